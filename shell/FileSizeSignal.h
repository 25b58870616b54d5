#pragma once
// A write past the process's file-size limit (ulimit -f) would end the program with SIGXFSZ,
// taking the work of every window with it. Ignored, the write fails with EFBIG instead, and the
// save reports it as any other failed write, leaving the old file.
void IgnoreFileSizeSignal();
