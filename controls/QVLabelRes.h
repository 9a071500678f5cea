// Resource identifiers of the label, kept in RIZuruzezu.dll.
#pragma once

// The hand cursor of link labels (res/QVHand.cur, written by res/QVHandCursor.py).
#define IDC_QV_HAND_CURSOR 4000
