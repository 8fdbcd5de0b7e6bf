// Counting the process's GDI objects, for tests that look for handle leaks.
#pragma once

// The number of GDI objects the process holds: the platform's count
// (GetGuiResources) where it keeps one; otherwise (Wine answers 0) the live
// entries of the GDI handle table, found by asking the type of every handle
// index (Wine matches a handle with a zero upper half to the entry's index).
int CountGdiObjects();
