#pragma once

#include <QDialog>

// Name, version, purpose and credits; it has no buttons and changes nothing.
class About final : public QDialog {
    Q_OBJECT
public:
    static const QString caption;
    // The text parts, in the order they are shown, each on a line of its own.
    static QStringList textParts();

    explicit About(QWidget* parent = nullptr);
};
