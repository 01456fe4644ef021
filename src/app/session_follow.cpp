// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Session: following the data files that other programs change while the program runs.
#include "session.h"

#include "text/clock.h"
#include "store/conflictcopies.h"
#include "text/readahead.h"

#include <QDir>

bool Session::changedSinceRead(DataFile file) const
{
    // pim.ini is merged by key at the quit; done.txt only ever gains lines.
    const FileBinding *binding = m_files.binding(file);
    if (!binding || !binding->lines)
        return false;
    return (binding->heldOpen && binding->heldOpen()) || !m_files.holdsAsRead(file, binding->lines());
}

Session::Follow Session::follow(DataFile file, bool mayReload)
{
    loadPhoneFiles(); // what another program changed is measured against what was read
    const FileBinding *binding = m_files.binding(file);
    if (m_ended || !binding || !binding->reload || !m_files.mayWrite(file)
        || !m_files.stampDiffers(file))
        return Follow::Same;
    const QString path = m_files.path(file);
    // A sync tool may still be writing: only a read that the file did not change under,
    // of a file that is there, is whole.
    const FileStamp before(path);
    if (!before.exists)
        return Follow::Gone;
    const FileBytes bytes = readFileBytes(path);
    const FileStamp after(path);
    if (!bytes.exists || !bytes.ok || !(before == after) || after.size != bytes.bytes.size()
        || after.identity != bytes.identity)
        return Follow::NotReady;
    const FileBytes *base = m_files.baseline(file);
    if (base && base->exists && base->bytes == bytes.bytes) {
        m_files.takeBaseline(file, bytes); // touched, not changed
        return Follow::Same;
    }
    if (changedSinceRead(file))
        return Follow::ChangedHere;
    const TextFileRead read = textFileRead(bytes);
    if (read.status != TextFileRead::Ok)
        return Follow::ChangedHere; // text this run cannot hold: the quit keeps both
    if (!mayReload)
        return Follow::NotReady;
    binding->reload(bytes, read.text);
    m_files.takeBaseline(file, bytes);
    return Follow::Reloaded;
}

QStringList Session::conflictCopies() const
{
    QStringList dataFiles;
    for (const DataFile file : allDataFiles())
        dataFiles.append(dataFileName(file));
    const QStringList names = QDir(m_files.folder()).entryList(QDir::Files, QDir::Name);
    return conflictcopies::found(names, dataFiles);
}
