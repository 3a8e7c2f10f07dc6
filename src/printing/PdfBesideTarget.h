#pragma once

#include <QString>

#include <memory>

class QTemporaryFile;

// A PDF written under a name of its own beside the file it is meant to be, and renamed
// over that file only once it is whole: a print-out that fails part way (a full disk)
// leaves an earlier file of that name as it was. The Qt PDF writer reports no failed
// write, so "whole" is read from the file itself.
class PdfBesideTarget final {
public:
    explicit PdfBesideTarget(const QString& target);
    ~PdfBesideTarget();  // removes the partial file unless it was renamed

    // Where the PDF is to be written; "" when no file could be made beside the target,
    // with why() telling the reason.
    QString partPath() const;
    QString why() const { return why_; }

    // Checks the written PDF is whole and puts it in the target's place: true when done,
    // else false with why() telling the reason, and the target untouched.
    bool finish();

private:
    QString target_;
    std::unique_ptr<QTemporaryFile> part_;
    QString why_;
};
