#pragma once
// `quarlin-cli graph`: the graphs of a finished report as image files,
// drawn without a display.

#include <optional>
#include <ostream>
#include <string>

#include "graphs/graph_type.h"

namespace quarlin {

struct GraphOptions {
  std::string base;  // the report, with or without .out, .aux or .inp
  // 1 to 6, a type's name (GraphTypeName) or "all".
  std::string type;
  bool blackAndWhite = false;
  bool belt = true;
  // The image (.bmp or .png); for all types the folder they are written to,
  // made when missing.
  std::string output;
  // The format of the images of all types: "png" or "bmp".
  std::string format = "png";
};

// The command line's name of a type: cumulative, interval, x-confidence,
// return, predicted-observed, histogram.
std::string GraphTypeName(GraphType type);

// A type by its number or name; nothing for any other text.
std::optional<GraphType> GraphTypeOf(const std::string& text);

// Draws and writes the images; a report that cannot be read, or an image
// that cannot be written, is a message on `err` and exit status 1, with no
// image written for that graph. 0 otherwise.
int GraphCommand(const GraphOptions& options, std::ostream& err);

}  // namespace quarlin
