#pragma once

// The resident memory of this process, read in the system's own way (/proc on Linux,
// GetProcessMemoryInfo on Windows), in kB; -1 when it cannot be read.
long residentKilobytes();
long peakResidentKilobytes();

// Makes the peak count from this moment on; false when that failed. Windows keeps one peak for
// the process's whole life, so there it stays as it is: a rise measured against it can only come
// out larger than it was, never smaller.
bool restartPeakCount();
