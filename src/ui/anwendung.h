#pragma once

class QApplication;

namespace orbela {

// Sets up the application before any window is created: its name and
// Qt's own German texts (file dialogs, their questions and buttons), and
// German formats for Qt's dialogs where the system locale is C or POSIX.
void richte_anwendung_ein(QApplication& app);

} // namespace orbela
