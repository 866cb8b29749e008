#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: the folders beside the program and a copy of the
// shipped database. It becomes the program folder (QUILLET_HOME and sApplicationPath) while it
// lives, and CurAdo is opened on its database when openDatabase() is called.
// The shipped database as the build made it (read it only; tests work on their copy).
QString ShippedDatabasePath();

class TestProgramFolder
{
public:
    TestProgramFolder();
    ~TestProgramFolder();

    QString path() const;                       // ends in '/'
    QString file(const QString &relative) const;
    QString databasePath() const;

    // Opens CurAdo on the copied database (closing any earlier connection).
    void openDatabase();
    // Removes the shipped formats (p_NoteList, p_NoteCntlList) and their main-page icons (s_ui)
    // from the open database, for tests that build their own formats from nothing.
    void removeShippedFormats();
    // Copies the files of a folder of the built program folder (e.g. "xml", the package text
    // templates) into this one.
    void copyShippedFiles(const QString &folder);

private:
    QTemporaryDir m_dir;
};
