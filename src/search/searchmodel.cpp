// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchmodel.h"

#include "readings.h"
#include "text/searchfold.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr int placeCount = int(SearchPlace::PhoneBook) + 1;
const QChar fieldSeparator(0x1f); // no match runs from one field into the next
const QChar itemSeparator(0x1e);  // nor from one item into the next

bool isHiragana(QChar c)
{
    return (c >= u'ぁ' && c <= u'ゖ') || c == u'ー';
}

// A field's number as its digits, when it is one (blanks and hyphens left out).
QString digitsOf(const QString &folded)
{
    const QString digits = searchfold::numberDigits(folded);
    return digits.size() >= 2 ? digits : QString();
}

} // namespace

// An item with its fields folded once, when its place is given: a slice of the place's text.
struct SearchModel::Indexed {
    SearchItem item;
    qsizetype start = 0; // of its folded fields, joined by the separator, in the place's text
    qsizetype length = 0;
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

    // Worth a reading: two kana at least, or three letters of romaji (a word typed so far,
    // "kaig", reads too). One kana, or a word with other characters, reads as too many
    // words or none.
    [[nodiscard]] bool hasReading() const
    {
        const auto letter = [](QChar c) { return (c >= u'a' && c <= u'z') || c == u'-' || c == u'\''; };
        return (folded.size() >= 2 && std::all_of(folded.cbegin(), folded.cend(), isHiragana))
               || (folded.size() >= 3 && std::all_of(folded.cbegin(), folded.cend(), letter));
    }

    [[nodiscard]] bool finds(const Indexed &i, const QString &placeText) const
    {
        const QStringView text = QStringView(placeText).mid(i.start, i.length);
        return text.contains(folded) || (kana && text.contains(*kana))
               || (!digits.isEmpty() && i.numbers.contains(digits));
    }
};

SearchModel::SearchModel(QObject *parent)
    : QAbstractTableModel(parent), m_places(placeCount), m_texts(placeCount)
{
}

SearchModel::~SearchModel() = default;

void SearchModel::setItems(SearchPlace place, const QList<SearchItem> &items)
{
    const QList<Indexed> &now = m_places.at(int(place));
    if (now.size() == items.size()
        && std::equal(items.cbegin(), items.cend(), now.cbegin(),
                      [](const SearchItem &a, const Indexed &b) { return a == b.item; }))
        return;
    // The place's items as one text, so that a reading's pattern runs through it once.
    QList<Indexed> indexed;
    indexed.reserve(items.size());
    PlaceText text;
    for (const SearchItem &item : items) {
        Indexed i{item, text.all.size(), 0, {}};
        QStringList folded;
        QStringList numbers;
        for (const QString &field : item.fields) {
            folded.append(searchfold::fold(field));
            if (const QString digits = digitsOf(folded.constLast()); !digits.isEmpty())
                numbers.append(digits);
        }
        text.all += folded.join(fieldSeparator);
        i.length = text.all.size() - i.start;
        text.all += itemSeparator;
        text.starts.append(i.start);
        i.numbers = numbers.join(fieldSeparator);
        indexed.append(std::move(i));
    }
    beginResetModel();
    m_found.clear(); // they point into the lists about to change
    m_places[int(place)] = std::move(indexed);
    m_texts[int(place)] = std::move(text);
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
        for (qsizetype p = 0; p < m_places.size(); ++p)
            for (const Indexed &i : m_places.at(p))
                if (query.finds(i, m_texts.at(p).all))
                    m_found.append(&i);
    if (query.hasReading())
        findByReading(query.folded);
    endResetModel();
}

// After what is found as written: what the word's readings find besides. The pattern runs
// through each place's text once, from item to item that holds a match.
void SearchModel::findByReading(const QString &folded)
{
    if (!m_readings || !m_readings->isOn())
        return;
    const std::optional<QRegularExpression> pattern = m_readings->patternFor(folded);
    if (!pattern)
        return;
    const QSet<const Indexed *> found(m_found.cbegin(), m_found.cend());
    for (qsizetype p = 0; p < m_places.size(); ++p) {
        const PlaceText &text = m_texts.at(p);
        for (qsizetype from = 0; from < text.all.size();) {
            // Checked once as it was made: not again at each of thousands of calls.
            const QRegularExpressionMatch m = pattern->match(
                text.all, from, QRegularExpression::NormalMatch,
                QRegularExpression::DontCheckSubjectStringMatchOption);
            if (!m.hasMatch())
                break;
            const auto start = std::upper_bound(text.starts.cbegin(), text.starts.cend(), m.capturedStart());
            const qsizetype item = (start - text.starts.cbegin()) - 1;
            if (const Indexed *i = &m_places.at(p).at(item); !found.contains(i))
                m_found.append(i);
            from = item + 1 < text.starts.size() ? text.starts.at(item + 1) : text.all.size();
        }
    }
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
