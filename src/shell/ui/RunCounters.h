#pragma once
// The run statistics counters the main window keeps for the results window.
// A plain record without Qt: the reorganize run fills it, the results window
// shows it. Counts are kept as doubles, as the results window shows them.

namespace ordovan {

struct RunCounters {
  double FoldersToRestructure = 0;       // ToReorganize
  double MainFoldersRestructured = 0;    // MainFoldersReorganized
  double SubFoldersRestructured = 0;     // SubfoldersReorganized
  double FoldersFilesRestructured = 0;   // FilesReorganized
  double FoldersSourceNotExists = 0;     // SourceNotExists
  double FoldersDestinationExists = 0;   // DestinationExists
  double FoldersOtherReasons = 0;        // OtherReasons

  bool operator==(const RunCounters&) const = default;
};

}  // namespace ordovan
