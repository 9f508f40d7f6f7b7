#pragma once

// The main window's buttons and context-menu commands that open web pages, as a person would
// know them from its template and menus.
namespace e2e::id {

constexpr int kFeedbackButton = 1042;
constexpr int kFacebookButton = 1043;
constexpr int kGooglePlusButton = 1045;
constexpr int kTwitterButton = 1046;

constexpr int kShareGooglePlusCommand = 32775;
constexpr int kShareFacebookCommand = 32776;
constexpr int kShareTwitterCommand = 32777;

}  // namespace e2e::id
