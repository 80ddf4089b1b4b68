#pragma once
// The answers a user gives to the backup button's dialogs, for a script to give them.

class ModalScript;
class QString;

// Every row of the selection dialog, then the folder in the chooser.
void scriptBackupOfEveryRow(ModalScript& script, const QString& folder);
