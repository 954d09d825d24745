#pragma once
// The menu, key and toolbar bindings of every command.

#include <QKeySequence>
#include <QList>
#include <QString>

struct CommandInfo {
    int id;
    QString text;          // menu text with mnemonic and key hint
    QList<QKeySequence> keys;
    QString statusTip;     // prompt shown in the status bar, where there is one
    bool checkable = false;
};

// Every command that has an action, menu-only, key-only or toolbar-only.
const QList<CommandInfo>& CommandTable();

// The menu bar: popups with their command ids, 0 standing for a separator.
struct MenuInfo {
    QString title;
    QList<int> items;
};
const QList<MenuInfo>& MenuTable();

// Toolbar buttons in order, 0 standing for a separator.
const QList<int>& ToolbarTable();
