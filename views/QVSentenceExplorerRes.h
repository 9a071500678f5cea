// Resources of the sentence explorer.
#pragma once

#define IDC_QV_SENTENCE_CURSOR 4000  // the module's hand cursor (controls/QVLabel.rc), over a sentence
#define IDB_QV_SENTENCE_BULLET 4001  // the bullet before every entry (drawn on white, its key colour)
