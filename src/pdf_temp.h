// The program's own folder for its temporary files, and fresh names in it.
#pragma once

// The program's own folder for its temporary files, under the user's temporary folder, made
// when missing, into szDir (TANDREL_PATH_BYTES bytes, UTF-8, ending in a separator): 0 when there
// is none. Its path is one the code page spells, since the tool is given names in it: when that
// of the temporary folder cannot be, it is the program's folder under the user's local
// application data.
int pdfTempFolder(char* szDir);
// The first letters of the temporary files' names: the data dumps and info files, and the
// files each run's tool output goes into.
#define TEMP_PREFIX_DATA "tdr"
#define TEMP_PREFIX_OUTPUT "tdo"
// A result written beside its real name when that is on another volume (pdf_standin.cpp).
#define TEMP_PREFIX_STAND_IN "tdn"
// A fresh, unused name in that folder, reserved by an empty file (szPrefix: 3 letters), into
// szName (TANDREL_PATH_BYTES bytes, UTF-8): 0 when none can be made.
int pdfTempName(const char* szPrefix, char* szName);
// A name in szDir (null: that folder) that no file has, so that only what a run writes is ever
// there: 0 when none can be made. One in szDir, beside a user's files, is named in this process's
// journal before anything is made under it, so that the next start removes it if this program is
// killed meanwhile; pdfRemoveTempBeside removes it and says so in the journal.
int pdfFreeTempName(const char* szDir, const char* szPrefix, char* szName);
int pdfRemoveTempBeside(const char* szPath);
// The files the journals of programs no longer running name as made and not removed, removed
// where they are still there (of the temporary files' form only), and those journals: at start.
int pdfRemoveJournaled(void);
// 1 while the process dwProcess runs; a process that may not be looked at is taken to run.
int pdfProcessRuns(unsigned long dwProcess);
// Removes what a program that was killed left in that folder: its temporary files ("td....tmp",
// no other name) older than a day, so that those of another TANDREL at work stay.
int pdfRemoveOldTemp(void);
