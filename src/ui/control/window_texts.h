#pragma once
// The main window's own captions, status texts, messages and questions,
// word for word as the user reads them.

namespace quarlin::ui {

inline constexpr const char* kMainCaption =
    "Quarlin cumulative frequency analysis to find fitting probability distributions";
inline constexpr const char* kApplicationTitle = "Quarlin cumulative frequency analysis";

// Status texts.
inline constexpr const char* kIntroStatus = "Click on the Input tab to proceed.";
inline constexpr const char* kInputStatus =
    "Enter data or use \"Open\" to see examples under \"Data\" or to edit existing files. "
    "Thereafter use \"Save-Run\".";
inline constexpr const char* kOutputStatus =
    "The output file can be inspected. Use \"Open output\" to see examples under \"Data\" or to "
    "inspect any other output file.";
inline constexpr const char* kOutputOpenedStatus =
    "The output file can be imported into spreadsheets";
inline constexpr const char* kGraphicsStatus =
    "Graphics presentations of output data can be seen and saved. Use \"Make graph\" to open an "
    "output file and make the graphs.";
inline constexpr const char* kFinishStatus = "Click Finish to end the program";
inline constexpr const char* kUnsavedQuestion =
    "The data have not been saved. Do you want to close without saving?";

// The status text while a run is on: that it is under way and how far.
inline constexpr const char* kRunStartedStatus = "A run is under way.";
inline constexpr const char* kRunSavingStatus = "A run is under way: the data are being saved.";
inline constexpr const char* kRunFittingPreferredStatus =
    "A run is under way: the preferred distribution is being fitted.";
inline constexpr const char* kRunPreferredFittedStatus =
    "A run is under way: the preferred distribution is fitted.";
// "A run is under way: " N " of " M " distributions fitted."
inline constexpr const char* kRunFittedStatusStart = "A run is under way: ";
inline constexpr const char* kRunFittedStatusOf = " of ";
inline constexpr const char* kRunFittedStatusEnd = " distributions fitted.";
inline constexpr const char* kRunReportStatus = "A run is under way: the report is being written.";
inline constexpr const char* kRunFilingStatus = "A run is under way: the results are being filed.";

// Hints of the Input page's fields.
inline constexpr const char* kTitle2Hint = "Details about the variable and units";
inline constexpr const char* kNrOfDataHint = "Between 6 and 2500";
// The range the field takes: fewer than 2 classes are refused, more than 50
// become 50.
inline constexpr const char* kNrOfClassesHint = "Between 2 and 50";
inline constexpr const char* kThresholdHint = "All values below threshold are not used";

// Input page.
inline constexpr const char* kNotValidIntegerMessage = "The number of data is not a valid integer";
inline constexpr const char* kAddDataMessage =
    " Add data in the last cells at the end of the column";
inline constexpr const char* kRemoveDataMessage = " To remove data, empty the relevant data cells ";
inline constexpr const char* kClassesHint =
    "For interval analysis (histogram) a number of interval classes is needed.  It is recommended "
    "to use 2, 5, 10 or 20 classes.  Use 10 or 20 only when there are more than 50 resp. 100 data";
inline constexpr const char* kClassesNotIntegerMessage =
    "The number of classes is not a valid integer. It is set to 5";
inline constexpr const char* kNoPasteMessage =
    "There are no data to be pasted or the data are incompatible";
inline constexpr const char* kMaintainQuestion =
    "The number of data is less than the original number. Do you want to maintain the original "
    "number?";
// The words over a typed cell that is no number.
inline constexpr const char* kTypedMark =
    "Not a number: Save-Run will not take this cell. Correct or empty it.";
inline constexpr const char* kClearQuestion = "The data will be cleared, are you sure?";
inline constexpr const char* kNoInputSelectedMessage = "No input file was selected";
inline constexpr const char* kNoOutputSelectedMessage = "No output file was selected";
inline constexpr const char* kFileMissingMessage =
    "File does not exist, please select another one,";
inline constexpr const char* kPasteHelpCaption = "Paste help";
inline constexpr const char* kPasteHelpAgainCaption = " Paste help ";
inline constexpr const char* kCloseHelpCaption = "Close help";

// Preferred distribution.
inline constexpr const char* kBestOfAllSelection = "Best of All Distributions";
inline constexpr const char* kBestOfAllCompositeSelection = "Best of All distributions";
inline constexpr const char* kSeeCompositeSelection = "See \"Select composite distribution\"";
inline constexpr const char* kNotAnOptionMessage = "This is not a selection option";
inline constexpr int kSeparatorIndex = 13;

inline constexpr const char* kOptCaption = "Explanation optimization";
inline constexpr const char* kListCaption = "QuarlinA list of parameters of fit";

inline constexpr const char* kOutputFilterDescription = "Output files (*.out)";
inline constexpr const char* kOutputFilterPattern = "*.out";

}  // namespace quarlin::ui
