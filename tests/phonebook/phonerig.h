// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/windowrig.h"
#include "phonebook/frmtel.h"
#include "phonebook/phonebook.h"
#include "phonebook/phonetypes.h"

#include <memory>

// The phone book and its types as the start loads them from the files written first,
// and its window alone.
struct PhoneRig : WindowRig {
    void load()
    {
        files.noteRead(DataFile::Type, types.loadPhoneTypes(path("type.txt")));
        files.noteRead(DataFile::Tel, book.loadPhoneBook(path("tel.txt")));
    }
    frmTel &telWindow()
    {
        if (!m_tel)
            m_tel = std::make_unique<frmTel>(book, types, prompter);
        return *m_tel;
    }
    PhoneBook book;
    PhoneTypes types;
    std::unique_ptr<frmTel> m_tel;
};
