#pragma once
// The Graphics page's captions, status texts and messages, word for word
// as the user reads them.

#include <array>

namespace quarlin::ui {

// The six choices of "Make graph", in the order of their graph types.
inline constexpr std::array<const char*, 6> kGraphChoiceCaptions{
    "Cumulative distribution", "Interval distribution (histogram calculated)",
    "Confidence belt of X",    "Return periods",
    "Predicted-observed",      "Interval distribution (histogram observed)",
};

inline constexpr const char* kHideBeltCaption = "Hide conf. belt";
inline constexpr const char* kShowBeltCaption = "Show conf. belt";

// Status texts.
inline constexpr const char* kMakeGraphStatus =
    "Select folder and output data file tho create the graph";
inline constexpr const char* kSelectGraphStatus = "Select type of graph";
inline constexpr const char* kGraphDrawnStatus =
    "The graph can be saved, or another selection can be made, or another output file can be "
    "opened using \"Make graph\"";

// Messages.
inline constexpr const char* kNoGraphTypeMessage =
    " The desired type of graph could not be assessed";
inline constexpr const char* kGraphFileMissingMessage =
    "File does not exist, please select another one";
inline constexpr const char* kNoGraphFileMessage = "No graphics file was selected";
inline constexpr const char* kGraphSavedMessage = "The graph was saved in  ";
inline constexpr const char* kGraphNotSavedMessage = "The graph was not saved";

// The save and open dialogs' file types.
inline constexpr const char* kGraphSaveFilterDescription = "Image files (*.bmp)";
inline constexpr const char* kGraphOpenFilterDescription = "Graph files (*.bmp)";
inline constexpr const char* kGraphFilterPattern = "*.bmp";

}  // namespace quarlin::ui
