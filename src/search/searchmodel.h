// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class Readings;

// Where a found item lives, in the order the list shows the places.
enum class SearchPlace { Board, Shelf, Done, Schedule, PhoneBook };

// One thing the search can find: where it is and how its window shows it, and the texts
// it is found by.
struct SearchItem {
    SearchPlace place;
    int position;       // the slot, line, entry or series as its place counts them
    QString date;       // the done line's or appointment's date, shown; empty otherwise
    QString line;       // as its window shows it
    QStringList fields; // what it is found by
    bool series = false; // a series of repeat.txt: `position` counts those

    bool operator==(const SearchItem &) const = default;
};

// The search over the items it is given: both sides folded (width, kana, case), romaji
// typed also as its kana, a number also by its digits alone; with readings, a word also
// finds the kanji words read so, after what it finds as written. Found items come in the
// places' order, each place in its own order. The rows are the found items.
class SearchModel : public QAbstractTableModel {
public:
    explicit SearchModel(QObject *parent = nullptr);
    ~SearchModel() override;

    enum Column { PlaceColumn, DateColumn, LineColumn, ColumnCount };

    // The items of one place, anew (a place read again, or changed); the found list follows.
    // The same items as before change nothing: the list keeps its current row.
    void setItems(SearchPlace place, const QList<SearchItem> &items);
    // Words by their reading too, from now on (none: as written only). Not owned.
    void setReadings(const Readings *readings);
    // What is typed in the box; an empty text finds nothing.
    void find(const QString &typed);
    [[nodiscard]] const SearchItem &foundAt(int row) const;
    [[nodiscard]] int foundCount() const { return int(m_found.size()); }

    [[nodiscard]] static QString placeName(SearchPlace place);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Indexed;
    struct Query;
    void refind();
    void findByReading(const QString &folded);

    struct PlaceText {
        QString all;
        QList<qsizetype> starts; // where each item's text begins in `all`
    };
    QList<QList<Indexed>> m_places; // by SearchPlace
    QList<PlaceText> m_texts;       // by SearchPlace
    QString m_typed;
    const Readings *m_readings = nullptr;
    QList<const Indexed *> m_found;
};
