#pragma once

#include <functional>

// Runs the event loop until condition holds or timeoutMs has passed; returns the condition.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);
