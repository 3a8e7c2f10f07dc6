#pragma once

#include "RecordingPrintDevice.h"
#include "seams/Ui.h"

// Forwards to another Ui and notes each message in the device's marks, so a test sees
// when the message came between the printed marks.
class NotingUi final : public Ui {
public:
    NotingUi(Ui& inner, RecordingPrintDevice& device) : inner_(inner), device_(device) {}
    void message(const QString& text, const QString& caption) override
    {
        device_.note(QStringLiteral("message"), text);
        inner_.message(text, caption);
    }
    QString prompt(const QString& text, const QString& caption, const QString& proposed) override
    {
        return inner_.prompt(text, caption, proposed);
    }
    QString chooseDatabaseFile() override { return inner_.chooseDatabaseFile(); }
    QString choosePdfFile(const QString& name) override { return inner_.choosePdfFile(name); }
    void showModal(QDialog& dialog) override { inner_.showModal(dialog); }
    void setCaption(const QString& caption) override { inner_.setCaption(caption); }
    void enableCrosswordMenus() override { inner_.enableCrosswordMenus(); }

private:
    Ui& inner_;
    RecordingPrintDevice& device_;
};
