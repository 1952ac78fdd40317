#pragma once
// Every web address, e-mail address, host and product name the program shows
// or opens, in one place. The hosts are reserved example names.

#include <array>
#include <string_view>

namespace quorvant::online {

inline constexpr std::string_view MakerName = "Ostrel Software";
// The home-page item's caption is "&" and this name, so its first letter is
// an accelerator no other item of the online menu uses.
inline constexpr std::string_view MakerDomain = "www.ostrel.example";
// The maker's home page: host root with its "/".
inline constexpr std::string_view MakerHomePage = "https://www.ostrel.example/";
// The Brackwell site, a host of its own; pages are appended to it.
inline constexpr std::string_view BrackwellSite = "https://brackwell.example/";

inline constexpr std::string_view SuggestionsEmail = "suggestions@ostrel.example";
inline constexpr std::string_view SupportEmail = "support@ostrel.example";

// The query that the maker's addresses carry, and the one the promotional
// pages' own links carry.
inline constexpr std::string_view ReferralKey = "?ref=";
inline constexpr std::string_view ReferralCode = "Kestavo451";
inline constexpr std::string_view PromotionReferral = "?ref=Quorvant451";

struct Product {
    std::string_view name;        // as listed, alphabetical
    std::string_view menuCaption; // with its accelerator letter
    std::string_view homePage;    // host root with its "/"
};

// The maker's other products, in the order of the trial-versions menu.
inline constexpr std::array<Product, 7> Products{{
    {"Amortia Planner", "&Amortia Planner ...", "https://amortia.example/"},
    {"Budget Harbor", "&Budget Harbor ...", "https://budgetharbor.example/"},
    {"Cashflow Pilot", "&Cashflow Pilot ...", "https://cashflowpilot.example/"},
    {"Debt Compass", "&Debt Compass ...", "https://debtcompass.example/"},
    {"Equity Lens", "&Equity Lens ...", "https://equitylens.example/"},
    {"Lease Ledger", "&Lease Ledger ...", "https://leaseledger.example/"},
    {"Retire Ready", "&Retire Ready ...", "https://retireready.example/"},
}};

// The two products of the promotional pages.
inline constexpr const Product& Page2Product = Products[2];
inline constexpr const Product& Page3Product = Products[4];

} // namespace quorvant::online
