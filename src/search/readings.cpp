// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings.h"

#include <QFileInfo>

#ifdef KIBANU_HAVE_MIGEMO
#include <migemo.h>
#endif

struct Readings::Dictionary {
#ifdef KIBANU_HAVE_MIGEMO
    migemo *handle = nullptr;
    ~Dictionary()
    {
        if (handle)
            migemo_close(handle);
    }
#endif
};

QString Readings::defaultDictionary()
{
    return QStringLiteral("/usr/share/cmigemo/utf-8/migemo-dict");
}

Readings::Readings(const QString &dictionary)
{
#ifdef KIBANU_HAVE_MIGEMO
    // migemo_open takes a missing file for an empty dictionary: looked at first.
    if (!QFileInfo(dictionary).isFile())
        return;
    auto d = std::make_unique<Dictionary>();
    d->handle = migemo_open(QFile::encodeName(dictionary).constData());
    if (!d->handle || !migemo_is_enable(d->handle))
        return;
    // A pattern over one line: no blanks between the characters of a word.
    migemo_set_operator(d->handle, MIGEMO_OPINDEX_NEWLINE, reinterpret_cast<const unsigned char *>(""));
    m_dictionary = std::move(d);
#else
    Q_UNUSED(dictionary)
#endif
}

Readings::~Readings() = default;

bool Readings::isOn() const
{
    return m_dictionary != nullptr;
}

std::optional<QRegularExpression> Readings::patternFor(const QString &folded) const
{
#ifdef KIBANU_HAVE_MIGEMO
    if (!m_dictionary || folded.isEmpty())
        return std::nullopt;
    const QByteArray word = folded.toUtf8();
    unsigned char *found = migemo_query(m_dictionary->handle, reinterpret_cast<const unsigned char *>(word.constData()));
    const QString pattern = QString::fromUtf8(reinterpret_cast<const char *>(found));
    migemo_release(m_dictionary->handle, found);
    QRegularExpression rx(pattern, QRegularExpression::UseUnicodePropertiesOption);
    if (pattern.isEmpty() || !rx.isValid())
        return std::nullopt;
    rx.optimize();
    return rx;
#else
    Q_UNUSED(folded)
    return std::nullopt;
#endif
}
