// Resource identifiers of the label, kept in RIZuruzezu.dll.
#pragma once

// The hand cursor of link labels (QVHand.cur, drawn by scripts/make-hand-cursor.py).
#define IDC_QV_HAND_CURSOR 4000
