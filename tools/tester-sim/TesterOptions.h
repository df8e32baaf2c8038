#pragma once

#include "link/VirtualFrame.h"

#include <QString>

class QCommandLineParser;
class TesterModel;

// What the command line sets besides the model.
struct TesterOptions {
    QString socketPath;
    bool headless = false;
    QString recordPath;
    int answerDelay = 0;
    VirtualIdentity identity;
};

void addTesterOptions(QCommandLineParser &parser);
// Reads the parsed command line into the options and the model. Returns the complaint about
// the first bad option, empty when all are good.
QString readTesterOptions(const QCommandLineParser &parser, TesterOptions &options,
                          TesterModel &model);
