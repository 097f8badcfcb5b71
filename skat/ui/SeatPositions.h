#pragma once
// Where a seat of the table sits on the screen. Screen position 1 is the own
// hand at the bottom, 2 the left side and 0 the right side.

class SKATTISCH;

// A joined table turns the seats so that its own seat is at the bottom; at
// this program's own table the user sits in seat 1 and every seat keeps its
// number, except while the user plays every seat: then the seat the user
// acts for comes to the bottom and the others follow round the table.
int screenPositionOfSeat(const SKATTISCH* table, int seat);

// Every seat of the table holds a human player: the user plays all hands.
bool userPlaysEverySeat(const SKATTISCH* table);
// The seat brought to the bottom while the user plays every seat (GUI
// thread); -1: every seat at its own place.
void faceSeat(int seat);
int facedSeat();
