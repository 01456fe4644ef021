#include "windows.h"

#include "prompter.h"

#include <QWidget>

namespace windows {

void showModeless(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

bool saveFromWindow(const DataFolder &files, DataFile file, Prompter &prompter,
                    const std::function<WriteResult(const QString &path)> &write)
{
    if (!files.mayWrite(file))
        return false;
    const WriteResult written = write(files.path(file));
    if (!written.ok)
        prompter.inform(QStringLiteral("%1 を保存できませんでした。\n%2")
                            .arg(dataFileName(file), written.error));
    return written.ok;
}

} // namespace windows
