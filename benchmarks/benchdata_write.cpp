// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmarks' largest data set into the folder given as argument.
#include "benchdata.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1])))
        qFatal("usage: kibanu_benchdata_write FOLDER");
    benchdata::writeProgramFolder(QString::fromLocal8Bit(argv[1]));
    return 0;
}
