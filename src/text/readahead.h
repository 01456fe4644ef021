// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textfile.h"

#include <future>
#include <mutex>
#include <optional>
#include <system_error>

// What a file was when it was looked at: which file, its size and time of its last change.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    FileIdentity identity;

    explicit FileStamp(const QString &path);
    bool operator==(const FileStamp &) const = default;
};

// Read aheads run one at a time, so that the thread building the window keeps a core.
[[nodiscard]] std::mutex &readAheadTurn();

// A data file read on another thread before its loader's turn, with what the loader makes
// of its bytes, so that a window can be built meanwhile. The turn still reads as every
// read does, asking the fault injector on the loader's own thread; the work done ahead is
// taken only for the very bytes that read gives, of a file unchanged since.
template <typename Made> class ReadAhead {
public:
    struct Taken {
        FileBytes file;           // the loader's read
        std::optional<Made> made; // what make gave for those bytes, when it could be taken
    };

    // make runs on the other thread: it may only use what is safe there, no models, no
    // windows, nothing the loader's thread changes meanwhile.
    template <typename Make> void start(const QString &path, Make make)
    {
        try {
            m_ahead = std::async(std::launch::async, [path, make = std::move(make)] {
                const std::lock_guard turn(readAheadTurn());
                // Stamped first: a change while it reads shows as a change.
                FileStamp stamp(path);
                FileBytes bytes = readFileBytesUnasked(path);
                Made made = make(bytes);
                return Ahead{stamp, std::move(bytes), std::move(made)};
            });
            m_path = path;
        } catch (const std::system_error &) {
            m_ahead = {}; // no thread to spare: the loader reads at its turn
        }
    }

    // The loader's read of the file at its turn; waits for the read ahead.
    Taken take(const QString &path)
    {
        if (!m_ahead.valid() || m_path != path) {
            m_ahead = {};
            return {readFileBytes(path), std::nullopt};
        }
        Ahead ahead = m_ahead.get();
        // A read that failed ahead is tried again: the fault may have passed.
        const bool unchanged = ahead.bytes.ok && ahead.stamp == FileStamp(path);
        Taken taken{readFileBytes(path, unchanged ? &ahead.bytes : nullptr), std::nullopt};
        if (unchanged && taken.file == ahead.bytes) // not refused by the fault injector
            taken.made = std::move(ahead.made);
        return taken;
    }

private:
    struct Ahead {
        FileStamp stamp;
        FileBytes bytes;
        Made made;
    };
    QString m_path;
    std::future<Ahead> m_ahead;
};
