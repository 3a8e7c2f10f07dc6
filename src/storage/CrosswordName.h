#pragma once

#include "Result.h"

#include <QDialog>

#include <optional>

class CrosswordDatabase;
class QComboBox;
class QLabel;
class QPushButton;
class QStringListModel;
class Ui;

// Lists the stored crosswords and hands one name back: a listed one when a crossword is
// being opened, a new one when a crossword is being named for its first save. It lives
// for the whole run, hidden between uses, and reads the list afresh at each showing.
class CrosswordName final : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Open, Name };

    static const QString nameTakenText;
    static const QString nameTakenCaption;

    CrosswordName(CrosswordDatabase& database, Ui& ui, QWidget* parent = nullptr);

    // Refills the list, then runs the dialog through the Ui with `proposed` in the name
    // field, all of it selected so that typing replaces it. The name confirmed, or nothing
    // when the user left without one.
    Result<std::optional<QString>> ask(Purpose purpose, const QString& proposed = {});

    // The steps of ask(), for a caller that shows the dialog itself.
    Result<Done> prepare(Purpose purpose, const QString& proposed = {});
    const std::optional<QString>& chosen() const { return chosen_; }

private:
    void OK_Click();

    CrosswordDatabase& database_;
    Ui& ui_;
    Purpose purpose_ = Purpose::Open;
    std::optional<QString> chosen_;
    QLabel* Label1 = nullptr;
    QComboBox* xwordname = nullptr;
    // Filled in one step: tens of thousands of names go in at once, not item by item.
    QStringListModel* storedNames_ = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
};
