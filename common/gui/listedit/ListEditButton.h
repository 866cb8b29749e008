#pragma once

class QPushButton;
class QWidget;

// The buttons of the list-edit pattern, each with its one caption, hint and object name.
enum class ListEditButtonKind { New, Cancel, Save, Edit, Delete, Exit };

QPushButton *MakeListEditButton(ListEditButtonKind kind, QWidget *parent);
