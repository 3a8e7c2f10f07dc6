#include "WordListModel.h"

void WordListModel::show(WordMatches matches)
{
    beginResetModel();
    matches_ = std::move(matches);
    listed_ = matches_.next(batch);
    endResetModel();
}

int WordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(listed_.size());
}

QVariant WordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(listed_.size()))
        return {};
    const WordMatch& match = listed_[std::size_t(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            // Said in words, not by colour alone, so a screen reader says it too.
            return match.runsOn ? tr("%1 (meets a letter)").arg(match.word) : match.word;
        case wordRole:
            return match.word;
        case Qt::ToolTipRole:
            return match.runsOn ? tr("Score %1; the grid would read on past its end into "
                                     "the next letter")
                                      .arg(match.score)
                                : tr("Score %1").arg(match.score);
        default:
            return {};
    }
}

bool WordListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !matches_.atEnd();
}

void WordListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid())
        return;
    std::vector<WordMatch> more = matches_.next(batch);
    if (more.empty())
        return;
    beginInsertRows({}, int(listed_.size()), int(listed_.size() + more.size()) - 1);
    listed_.insert(listed_.end(), std::make_move_iterator(more.begin()),
                   std::make_move_iterator(more.end()));
    endInsertRows();
}
