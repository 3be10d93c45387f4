#pragma once

// Both programs run only on the Windows 95 family and the NT family.
bool supportedPlatform();
