// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/sortedlist.h"
#include "text/textfile.h"

#include <array>
#include <functional>
#include <optional>

// One phone book entry: an index, a name, a keyword text and up to eleven type/number pairs.
struct phoneentry {
    static constexpr int MaxPairs = 11;
    using Pairs = std::array<QString, MaxPairs>;

    QString index;
    QString name;
    QString keys;
    qint16 numphone = 0;
    Pairs phonetype;
    Pairs phonenumber;
    // The entry's card in the sync folder, when it has one; never written to the file.
    QString uid = {};
};
// Its strings are relocatable: an insertion in the middle of the table moves memory
// instead of moving each entry.
Q_DECLARE_TYPEINFO(phoneentry, Q_RELOCATABLE_TYPE);

// ASCII letters and digits only, as an index must be once narrowed; an empty text passes.
[[nodiscard]] bool isIndexText(const QString &narrowed);

// Why the phone book refuses what a dialog typed.
enum class Refusal {
    None,
    EmptyIndex,
    NotLettersAndDigits, // once narrowed, an index is ASCII letters and digits
    IndexInUse,          // by another entry, once both are narrowed
    PairsFull,           // the entry already has every pair
    BookFull,
};

// A pair as the add dialog collects it, with its entry's index, name and keyword.
struct NewPair {
    QString index;
    QString name;
    QString keys;
    QString type;
    QString number;
};

// The phone book: a table kept in the order of its sorted index list.
class PhoneBook {
public:
    static constexpr int Capacity = 1001;

    [[nodiscard]] SortedLines &list() { return m_table; }
    [[nodiscard]] int ntphone() const { return m_table.count(); }
    [[nodiscard]] const phoneentry &at(int pos) const { return m_table.row(pos); }
    [[nodiscard]] bool isFull() const { return ntphone() >= Capacity; }

    // The first entry whose index is this one once both are narrowed (case counts).
    [[nodiscard]] std::optional<int> find(const QString &index) const;

    // Overwrites the entry with that index (narrowed, as find) in place, keeping its index
    // as stored, or inserts a new one where the list places it. Nothing when a new entry
    // does not fit. Every text loses its commas.
    std::optional<int> add(const phoneentry &entry);
    // Gives the entry at pos a new index and moves it to where the list places it.
    int changethis(int pos, const QString &newindex);
    void deleteIndex(int pos);
    void setUid(int pos, const QString &uid);
    void setName(int pos, const QString &name);
    void setKeys(int pos, const QString &keys);
    // Stores pair `pair` of the entry; a pair beyond the last becomes the one right after
    // it. Returns the pair stored, or nothing when the entry already has every pair.
    std::optional<int> setPair(int pos, int pair, const QString &type, const QString &number);
    // Removes a pair; the later ones move up. A pair beyond the last removes nothing.
    void deletePair(int pos, int pair);
    // Whether an entry other than the one at pos has this index once both are narrowed,
    // as the loader will read them.
    [[nodiscard]] bool isIndexOfAnother(const QString &index, int pos) const;

    // The add dialog's rules. 新規 of the phone book makes a new entry; a to-do's pair joins
    // the entry of its index when there is one (its name and keyword replaced).
    enum class AddMode { NewEntry, FromTodo };
    // In their order: an index of blanks only, one of other than letters and digits, one
    // in use (a new entry only).
    [[nodiscard]] Refusal newIndexProblem(const QString &typed, AddMode mode) const;
    // Adds the pair, or says why not; the index as typed, the loader narrows it.
    Refusal addPair(const NewPair &pair, AddMode mode);
    // Whether the entry has that number already: the same once narrowed, without blanks
    // and hyphens, letters in any case. An empty number is held by none.
    [[nodiscard]] bool holdsNumber(int pos, const QString &number) const;
    // A card from another program into the book, by one rule for the import and the sync:
    // an index no entry has is added with the card's first eleven pairs; for one an entry
    // has, `sameIndex` decides: its pairs join that entry (a number it holds is not added
    // twice, those beyond eleven are left out), or it is added under the index with the
    // first free number after it ("yamada2"), or it is left out. What is left out of the
    // card's pairs is named as "type number".
    enum class SameIndex { Join, Rename, Skip };
    struct CardTaken {
        enum class Outcome { Added, Joined, Skipped, BookFull };
        Outcome outcome = Outcome::Skipped;
        QStringList leftOutPairs;
    };
    CardTaken takeCard(phoneentry card, const QStringList &leftOutPairs,
                       const std::function<SameIndex(int pos)> &sameIndex);
    // The index change dialog's rules, in their order: other than letters and digits, an
    // empty index, one another entry has.
    [[nodiscard]] Refusal renameProblem(int pos, const QString &typed) const;
    // The first entry from `from` on whose name or keyword holds the text.
    [[nodiscard]] std::optional<int> findText(const QString &text, int from) const;

    // Every line of tel.txt, even beyond the capacity and with too many pairs, so that a
    // save gives the lines back as they were read.
    TextFileRead loadPhoneBook(const QString &path);
    // The file read again, whole, after another program changed it: the table is that.
    TextFileRead reload(const FileBytes &file);
    [[nodiscard]] QStringList fileLines() const;

    // Whether an entry was added, renamed, deleted or edited since tel.txt was read.
    [[nodiscard]] bool changedThisRun() const { return m_changed; }
    // Called after each such change (a name or a pair changes no line of the index list).
    void setChangeHook(std::function<void()> hook) { m_changeHook = std::move(hook); }

    // The pair count of a line of that many fields: (fields - 3) / 2, halves to even, not
    // below 0.
    [[nodiscard]] static int pairCount(int fieldCount);

private:
    // The entries of a file in its order, with their indexes.
    struct Read {
        TextFileRead text;
        QList<phoneentry> rows;
        QStringList lines; // the indexes
    };
    static Read cut(const FileBytes &file);
    int insertSorted(const phoneentry &entry);
    void setField(QString &field, const QString &typed);
    void markChanged();

    SortedTable<phoneentry> m_table; // shown by index
    bool m_changed = false;
    std::function<void()> m_changeHook;
};
