// Counting GDI handles honestly: GetGuiResources is a stub under Wine, but
// the handle table is bounded, so the number of objects that can still be
// created tells how many are in use.
#pragma once

// Creates pens until the system refuses, deletes them all, and returns how
// many could be created. Equal counts before and after some work mean that
// the work left no GDI object behind.
int FreeGdiHandles();
