#pragma once
// A paced reply leaves byte by byte at the line's bit rate. On a busy machine an ordinary thread may
// wait several milliseconds for a processor between two bytes, longer than the end-of-frame silence,
// and the tool then rightly takes the first part for a whole (broken) frame. A real gateway's UART
// never pauses inside a frame, so the pacing thread asks for the lowest real-time priority.

// Raises the calling thread to real-time round-robin priority 1. False when the system refuses (no
// privilege): the thread then runs as before and a loaded machine may still tear replies apart.
bool RaisePacingThreadPriority();
