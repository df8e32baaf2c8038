#pragma once

class QWidget;

// Makes SIGTERM and SIGINT close the window as the user would, so that its close handling runs
// before the program ends. Open modal windows are closed first, and so are those the close
// opens.
void closeOnTerminationSignals(QWidget *window);
