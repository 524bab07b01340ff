#pragma once

// Small value types shared by the report engine's parts.

// Where a report run sends its pages.
enum class TReportDest { Preview, Printer, File };

// Where generated pages wait before the preview: in memory, in a named file,
// in a temporary file, or in a stream the caller provides.
enum class TStreamMode { Memory, File, TempFile, User };

// Formats a run to a file can be written in.
enum class TFileFormat { Snapshot, PDF, HTML };

enum class TOrientation { Portrait = 0, Landscape = 1, Default = 2 };

// Two-sided printing as the printer drivers name it: Vertical turns the sheet
// over its long edge, Horizontal over its short edge.
enum class TDuplex { Simplex = 0, Vertical = 1, Horizontal = 2 };

enum class TTextAlign { Left = 0, Center = 1, Right = 2 };

// What a report system lets the person do (SystemOptions).
namespace SystemOption {
constexpr int ShowStatus = 0x01;
constexpr int AllowPrintFromPreview = 0x02;
constexpr int AllowSaveFromPreview = 0x04;
constexpr int PreviewModal = 0x08;
constexpr int Defaults = ShowStatus | AllowPrintFromPreview | AllowSaveFromPreview | PreviewModal;
} // namespace SystemOption

// What the output options dialog offers (SystemSetups).
namespace SystemSetup {
constexpr int AllowSetup = 0x001;
constexpr int AllowCopies = 0x002;
constexpr int AllowCollate = 0x004;
constexpr int AllowDuplex = 0x008;
constexpr int AllowDestPreview = 0x010;
constexpr int AllowDestPrinter = 0x020;
constexpr int AllowDestFile = 0x040;
constexpr int AllowPrinterSetup = 0x080;
constexpr int AllowPreviewSetup = 0x100;
constexpr int Defaults = 0x1FF;
} // namespace SystemSetup
