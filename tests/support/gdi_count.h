#pragma once
// The number of GDI objects this process holds, for tests that look for leaks.
// GetGuiResources where it gives a real count (Windows); under Wine, where it is a stub that
// always says 0, the in-use entries of the GDI handle table Wine keeps in the PEB.
int gdiObjectCount();
