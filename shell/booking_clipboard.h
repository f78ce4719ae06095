#pragma once

// The program's booking clipboard: one booking made by the document's
// booking collection and never added to it. It holds a booking while its
// resource and task are set; clearing sets both to null.

#include <cstdint>

class CBooking;

// Start-up, once the document exists (a second call keeps the first
// clipboard); exit.
void CreateBookingClipboard();
void DeleteBookingClipboard();

// The clipboard booking, null before start-up and after exit.
CBooking* BookingClipboard();

// False when there is no clipboard booking or nothing to copy.
bool CopyBookingToClipboard(const CBooking* booking);
void ClearBookingClipboard();

// The clipboard holds a booking whose resource and task are still in the document.
bool CanPasteBooking();

// After a change of the document: a replaced document, or a change that
// took the clipboard booking's resource or task away, empties the clipboard.
void UpdateBookingClipboard(std::uint32_t changeMask);
