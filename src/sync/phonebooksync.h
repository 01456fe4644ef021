// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synctable.h"

class PhoneBook;
struct phoneentry;

// The phone book as the sync sees it: contacts/*.vcf, one card an entry.
class PhoneBookSync final : public SyncTable {
public:
    explicit PhoneBookSync(PhoneBook &book);
    ~PhoneBookSync() override;

    [[nodiscard]] SyncKind kind() const override { return SyncKind::Contacts; }
    [[nodiscard]] QString extension() const override;
    [[nodiscard]] int count() const override;
    [[nodiscard]] syncmerge::Entry entryAt(int row) const override;
    [[nodiscard]] QString uidAt(int row) const override;
    void setUid(int row, const QString &uid) override;
    void removeAt(int row) override;
    [[nodiscard]] QString lineAt(int row) const override;
    ReadItem read(const QByteArray &bytes) override;
    std::optional<QString> add(qsizetype held, const QString &uid) override;
    [[nodiscard]] bool belongsInFolder(int) const override { return true; }
    [[nodiscard]] QByteArray item(int row, const QString &uid) const override;
    [[nodiscard]] QByteArray patch(int row, const QByteArray &original) const override;
    [[nodiscard]] QStringList takePairsLeftOut() override;

private:
    [[nodiscard]] static syncmerge::Entry entryOf(const phoneentry &e);
    [[nodiscard]] static QString cardIndex(const QString &index, const QString &uid);

    PhoneBook &m_book;
    QList<phoneentry> m_read;
    QList<QStringList> m_leftOut; // the pairs beyond an entry's, of each read
    QStringList m_pairsLeftOut;
};
