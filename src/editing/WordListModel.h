#pragma once

#include "fill/WordIndex.h"

#include <QAbstractListModel>

#include <vector>

// The words a query found, for a list view: the first few hundred at once, more as the
// view scrolls towards the end.
class WordListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr qsizetype batch = 300;
    // The word alone, without the note a marked word carries.
    static constexpr int wordRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    void show(WordMatches matches);
    qsizetype count() const { return matches_.count(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    WordMatches matches_;
    std::vector<WordMatch> listed_;
};
