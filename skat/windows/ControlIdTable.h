#pragma once
// Fills the control-id table (object names <-> ids 3..527, OK = 1,
// cancel = 2). Called once by main before the QApplication exists; a second
// call leaves the table as it is.
void registerControlIds();
