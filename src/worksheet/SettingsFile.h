#pragma once
// The settings file: the thirteen worksheet inputs of the last calculation
// and the first-run marker, kept between runs in
// <config folder>/Quorvant/quorvant.ini.

#include <array>
#include <string>

#include "worksheet/LoanWorksheet.h"

namespace quorvant {

inline constexpr const char* ProductSubfolderName = "/Quorvant/";
inline constexpr const char* SettingsFileName = "quorvant.ini";
inline constexpr const char* LastValuesSection = "LastValues";
inline constexpr const char* GeneralValuesSection = "GeneralValues";
inline constexpr const char* RunKey = "Run";

struct SettingsKey {
    WorksheetInput input;
    const char* key;
    double Default;
};

// In the order in which they are read, written and assigned to the fields.
inline constexpr std::array<SettingsKey, WorksheetInputCount> SettingsKeys{{
    {WorksheetInput::PurchasePrice, "PurchasePrice", 120000},
    {WorksheetInput::DownPaymentPercent, "DownPaymentPercent", 10},
    {WorksheetInput::Term, "Term", 30},
    {WorksheetInput::Interest, "Interest", 6.75},
    {WorksheetInput::OriginationFees, "OriginationFees", 1200},
    {WorksheetInput::Points, "Points", 1200},
    {WorksheetInput::PrepaidInterest, "PrepaidInterest", 500},
    {WorksheetInput::MIP, "MIP", 500},
    {WorksheetInput::Buydown, "Buydown", 0},
    {WorksheetInput::FloodCheck, "FloodCheck", 50},
    {WorksheetInput::TaxService, "TaxService", 50},
    {WorksheetInput::Other1, "Other1", 0},
    {WorksheetInput::Other2, "Other2", 0},
}};

WorksheetInputs DefaultInputs();

struct SettingsValues {
    WorksheetInputs LastValues;
    bool Run = false;
};

// SettingsFolder + ProductSubfolder + "quorvant.ini", used whole.
std::string SettingsFilePath(const std::string& SettingsFolder, const std::string& ProductSubfolder);

// Missing file, section or key, an empty value or one that is no number:
// the key's default. Never fails.
SettingsValues LoadSettings(const std::string& path, char decimalSeparator);

// Creates the file's folder when missing, then writes the thirteen values and
// the marker in table order and replaces the file in one atomic step: the
// file is always either the old one or the new one, whole, also when the
// program is killed while it saves. A failure raises SettingsWriteError
// ("Unable to write to <path>") and leaves the old file as it was.
void SaveSettings(const std::string& path, const SettingsValues& values, char decimalSeparator);

} // namespace quorvant
