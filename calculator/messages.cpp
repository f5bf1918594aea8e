#include "calculator/messages.h"

#include "engine/city_line.h"
#include "engine/computable_year.h"
#include "engine/leading_number.h"
#include "engine/print_form.h"

#include <utility>

namespace calculator {

std::string ConfirmationText(const std::string& city, double latitude, double longitude, double timeZone,
                             const std::string& outputFile) {
    return "City\t\t" + engine::NameOnOneLine(city) + "\r" + "Latitude\t\t" + engine::PrintForm(latitude) + "\r" +
           "Longitude\t\t" + engine::PrintForm(longitude) + "\r" + "Timezone\t\tGMT + " + engine::PrintForm(timeZone) +
           " hrs\r" + "Filename\t\t" + outputFile + "\r" + "\r" + "Do you want to proceed?";
}

std::optional<std::string> NumberTooLargeMessage(const std::string& latitude, const std::string& longitude,
                                                 const std::string& timeZone, int asrFactor) {
    const std::pair<const char*, const std::string&> boxes[] = {
        {"latitude", latitude}, {"longitude", longitude}, {"time zone", timeZone}};
    for (const auto& [name, text] : boxes)
        if (!engine::IsFiniteNumber(text))
            return "The " + std::string(name) + " box holds \"" + text +
                   "\", a number too large to calculate with.\r\rPlease enter the " + name + " as an ordinary number.";
    if (!engine::IsComputableYear(engine::LeadingNumber(latitude), engine::LeadingNumber(longitude),
                                  engine::LeadingNumber(timeZone), asrFactor))
        return "The latitude \"" + latitude + "\", longitude \"" + longitude + "\" and time zone \"" + timeZone +
               "\" hold a number too large to calculate prayer times with.\r\r"
               "Please enter them as ordinary numbers.";
    return std::nullopt;
}

std::string OverwriteQuestion(const std::string& outputFile) {
    return "The file " + outputFile + " already exists.\r\rDo you want to over-write?";
}

std::string CompletionMessage(const std::string& fileBoxText) {
    return "Prayer times calculated and written to the file\r\r" + fileBoxText;
}

std::string WriteFailureMessage(const std::string& outputFile, const std::string& reason) {
    return "The file " + outputFile + " could not be written.\r\r" + reason;
}

std::string WriteFailureReason(const files::SaveFailure& failure) {
    if (failure.kind == files::SaveFailure::Kind::StoppedPartWay)
        return "Writing to the disk failed part way (the disk may be full).";
    return failure.reason;
}

std::string GazetteerQuestion(const std::string& address) {
    return "Velstra will now try to open the site " + address + "\r\r" +
           "If the site fails to open, launch your Web browser and paste this address "
           "in the address field by pressing Ctrl-V (the address has been copied on "
           "Windows clipboard)";
}

}  // namespace calculator
