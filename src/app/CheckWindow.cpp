#include "CheckWindow.h"

#include "common/LayoutFont.h"
#include "exchange/CrosswordCheck.h"
#include "seams/Ui.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int cellsRole = Qt::UserRole;

}  // namespace

const QString CheckWindow::caption = QObject::tr("Check Crossword");

CheckWindow::CheckWindow(const CrosswordCheckReport& report, ShowCells showCells, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CheckWindow"));
    setWindowTitle(caption);
    setFont(layoutFont(font()));

    const qsizetype count = report.findings.size();
    const QString found = count == 0   ? tr("Nothing to look at: the crossword is ready to send.")
                          : count == 1 ? tr("One thing to look at before sending.")
                                       : tr("%1 things to look at before sending.").arg(count);
    auto* heading = new QLabel(
        count == 0 ? found : found + QLatin1Char(' ') + tr("Choose a line to see its cells."),
        this);
    heading->setWordWrap(true);
    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("lines"));
    lines_->setWordWrap(true);
    heading->setBuddy(lines_);
    for (const CheckFinding& finding : report.findings) {
        auto* item = new QListWidgetItem(finding.text, lines_);
        item->setData(cellsRole, QVariant::fromValue(finding.cells));
    }
    for (const QString& line : report.summary) {
        auto* item = new QListWidgetItem(line, lines_);
        QFont summaryFont = item->font();
        summaryFont.setItalic(true);
        item->setFont(summaryFont);
    }
    connect(lines_, &QListWidget::currentItemChanged, this, [showCells](QListWidgetItem* item) {
        showCells(item ? item->data(cellsRole).value<QList<QPoint>>() : QList<QPoint>());
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lines_);
    layout->addWidget(buttons);
    resize(560, 420);
}

void showCrosswordCheck(const PuzzleState& state, Ui& ui, const CheckWindow::ShowCells& show,
                        QWidget* parent)
{
    CheckWindow window(checkCrossword(state), show, parent);
    ui.showModal(window);
    show({});
}
