#pragma once
// Where a seat of the table sits on the screen. Screen position 1 is the own
// hand at the bottom, 2 the left side and 0 the right side.

class SKATTISCH;

// Only a joined table turns the seats so that its own seat is at the
// bottom; at this program's own table the user sits in seat 1 and every
// seat keeps its number.
int screenPositionOfSeat(const SKATTISCH* table, int seat);
