#pragma once
// Control identifiers of the help viewer's window; outside tools that check what
// the viewer shows find its controls by these.

// Buttons along the top
constexpr int kViewerContentsButton = 101;
constexpr int kViewerSearchButton = 102;
constexpr int kViewerBackButton = 103;
constexpr int kViewerUsingHelpButton = 104;

// The topic page
constexpr int kViewerTopicTitle = 201;
constexpr int kViewerTopicText = 202;
constexpr int kViewerSeeAlsoLabel = 203;
constexpr int kViewerSeeAlso = 204;

// The search page
constexpr int kViewerSearchLabel = 301;
constexpr int kViewerSearchBox = 302;
constexpr int kViewerResultsLabel = 303;
constexpr int kViewerResults = 304;
constexpr int kViewerShowResult = 305;
