#pragma once

#include <QDialog>
#include <QList>
#include <QPoint>

#include <functional>

class QListWidget;
class Ui;
struct CrosswordCheckReport;
struct PuzzleState;

// The findings of the check before sending, then the crossword's summary. Choosing a line
// shows its cells in the grid; closing the window shows the grid plain again.
class CheckWindow final : public QDialog {
    Q_OBJECT
public:
    static const QString caption;
    using ShowCells = std::function<void(const QList<QPoint>&)>;

    CheckWindow(const CrosswordCheckReport& report, ShowCells showCells,
                QWidget* parent = nullptr);

    QListWidget* lines() const { return lines_; }

private:
    QListWidget* lines_ = nullptr;
};

// Checks the crossword and shows the window modally over `parent` until it is closed.
void showCrosswordCheck(const PuzzleState& state, Ui& ui, const CheckWindow::ShowCells& show,
                        QWidget* parent);
