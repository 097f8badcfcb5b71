#pragma once
// The platform layer passes only the left button on; the table also takes a
// right-button press (it opens the shortening dialog over the own hand).
// The filter turns one into message kind 17 for the window's handler.

class VORDIX_FENSTER;

void installRightButtonFilter(VORDIX_FENSTER& window);
