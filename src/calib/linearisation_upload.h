// The service function that writes a linearisation table from a file into the
// sensor's external flash, block by block, with a growing bar on the data
// graph. Its button stays hidden until the service code opens it, and hides
// itself again after each use.
#pragma once

int CC_WriteXFLASH(int panel, int control, int event, void* data, int eventData1, int eventData2);
// Readies the data graph for the flash contents: x axis over the flash range, no plots.
int CC_ReadXFLASH(int panel, int control, int event, void* data, int eventData1, int eventData2);

// 0 when the table was read from the file the operator chose, 1 when the
// dialog was cancelled, the reader's negative code when the file would not do
// (the table is then unchanged).
int ReadLinDataFromFile();
// 1 when the sensor answered the clear, 0 after a time-out.
int ClearXFLASH();
// One block of eight entries into the flash, with the bar and the message after it.
void WriteFlashBlock(int page, int blockOffset);
