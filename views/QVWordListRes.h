// Resources of the word lists.
#pragma once

#define IDB_QV_WORD_TICK 4004  // the tick of a row whose right count reached its total (drawn on white)
