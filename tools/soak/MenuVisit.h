#pragma once

class ModalAnswers;
class QDeadlineTimer;
class QPushButton;
class QString;
class QWidget;
struct Figures;
class Watchdog;
class Workshop;

// The tester in its menu: the six stored tests and the compression test fetched in turn through
// the menu buttons, each screen checked against what the tester holds, every fourth test
// printed and saved, and each left with "X" back to the menu.
class MenuVisit
{
public:
    MenuVisit(Workshop &workshop, Figures &figures, Watchdog &watchdog, ModalAnswers &answers);

    // Sets the tester to its menu and fetches tests while one more fits before the end.
    void visit(const QDeadlineTimer &end);

private:
    void fetchStoredTest(int index);
    void fetchCompressionTest();
    void print(QPushButton *button, const QString &test);
    void leave(QPushButton *exit, const QWidget *screen, const QString &test);
    bool printsNext() const;

    Workshop &workshop_;
    Figures &figures_;
    Watchdog &watchdog_;
    ModalAnswers &answers_;
    int fetches_ = 0;
};
