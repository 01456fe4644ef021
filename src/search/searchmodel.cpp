// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchmodel.h"

#include "readings.h"
#include "text/searchfold.h"

#include <QSet>

namespace {

constexpr int placeCount = int(SearchPlace::PhoneBook) + 1;
const QChar fieldSeparator(0x1f); // no match runs from one field into the next

// A field's number as its digits, when it is one (blanks and hyphens left out).
QString digitsOf(const QString &folded)
{
    const QString digits = searchfold::numberDigits(folded);
    return digits.size() >= 2 ? digits : QString();
}

} // namespace

// An item with its fields folded once, when its place is given.
struct SearchModel::Indexed {
    SearchItem item;
    QString folded;  // the fields, folded, joined by the separator
    QString numbers; // the fields that are numbers, as digits
};

// What is typed, folded, and what else it stands for.
struct SearchModel::Query {
    QString folded;
    std::optional<QString> kana;
    QString digits;

    explicit Query(const QString &typed)
        : folded(searchfold::fold(typed).trimmed()), kana(searchfold::kanaOfRomaji(folded)),
          digits(digitsOf(folded))
    {
    }

    [[nodiscard]] bool finds(const Indexed &i) const
    {
        return i.folded.contains(folded) || (kana && i.folded.contains(*kana))
               || (!digits.isEmpty() && i.numbers.contains(digits));
    }
};

SearchModel::SearchModel(QObject *parent) : QAbstractTableModel(parent), m_places(placeCount) {}

SearchModel::~SearchModel() = default;

void SearchModel::setItems(SearchPlace place, const QList<SearchItem> &items)
{
    QList<Indexed> indexed;
    indexed.reserve(items.size());
    for (const SearchItem &item : items) {
        Indexed i{item, {}, {}};
        QStringList folded;
        QStringList numbers;
        for (const QString &field : item.fields) {
            folded.append(searchfold::fold(field));
            if (const QString digits = digitsOf(folded.constLast()); !digits.isEmpty())
                numbers.append(digits);
        }
        i.folded = folded.join(fieldSeparator);
        i.numbers = numbers.join(fieldSeparator);
        indexed.append(std::move(i));
    }
    beginResetModel();
    m_found.clear(); // they point into the lists about to change
    m_places[int(place)] = std::move(indexed);
    endResetModel();
    refind();
}

void SearchModel::find(const QString &typed)
{
    m_typed = typed;
    refind();
}

void SearchModel::setReadings(const Readings *readings)
{
    m_readings = readings;
    refind();
}

void SearchModel::refind()
{
    beginResetModel();
    m_found.clear();
    const Query query(m_typed);
    if (!query.folded.isEmpty())
        for (const QList<Indexed> &place : std::as_const(m_places))
            for (const Indexed &i : place)
                if (query.finds(i))
                    m_found.append(&i);
    findByReading(query.folded);
    endResetModel();
}

// After what is found as written: what the word's readings find besides.
void SearchModel::findByReading(const QString &folded)
{
    if (!m_readings || !m_readings->isOn() || folded.isEmpty())
        return;
    const QRegularExpression pattern = m_readings->patternFor(folded);
    if (!pattern.isValid() || pattern.pattern().isEmpty())
        return;
    const QSet<const Indexed *> found(m_found.cbegin(), m_found.cend());
    for (const QList<Indexed> &place : std::as_const(m_places))
        for (const Indexed &i : place)
            if (!found.contains(&i) && pattern.match(i.folded).hasMatch())
                m_found.append(&i);
}

const SearchItem &SearchModel::foundAt(int row) const
{
    return m_found.at(row)->item;
}

QString SearchModel::placeName(SearchPlace place)
{
    switch (place) {
    case SearchPlace::Board:
        return QStringLiteral("ボード");
    case SearchPlace::Shelf:
        return QStringLiteral("たな上げ");
    case SearchPlace::Done:
        return QStringLiteral("やった事");
    case SearchPlace::Schedule:
        return QStringLiteral("予定表");
    case SearchPlace::PhoneBook:
        break;
    }
    return QStringLiteral("電話帳");
}

int SearchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_found.size());
}

int SearchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_found.size()
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const SearchItem &item = m_found.at(index.row())->item;
    switch (index.column()) {
    case PlaceColumn:
        return placeName(item.place);
    case DateColumn:
        return item.date;
    default:
        return item.line;
    }
}

QVariant SearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case PlaceColumn:
        return QStringLiteral("場所");
    case DateColumn:
        return QStringLiteral("日付");
    default:
        return QStringLiteral("内容");
    }
}
