#pragma once
// Screen readers walk a program from its windows down, and Qt leaves popup
// menus out of that walk: the tray menu, whose icon a screen reader cannot
// reach either, would hold "Show"/"Hide" and "Quit" out of reach. Here the
// main window counts the tray menu among its children, so its entries are
// found and pressed by name like any button.

class QMenu;
class QWidget;

// Call once the menu exists, before anything asks for the window's
// accessible interface.
void OfferTrayMenuToScreenReaders(QWidget *window, QMenu *menu);
