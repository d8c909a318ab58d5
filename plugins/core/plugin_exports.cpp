// plugin_exports.cpp - the UXF exports of every format plug-in (see
// plugin_exports.h).
#include "core/plugin_exports.h"

namespace ux {

FormatPluginExports::FormatPluginExports(const FormatPluginDescriptor &descriptor)
    : d_(descriptor),
      count_(descriptor.formats.size() < kMaxFormats ? descriptor.formats.size() : kMaxFormats) {
    for (std::size_t i = 0; i < count_; ++i) {
        const char *pattern = d_.formats[i].pattern;
        entries_[i] =
            FormatEntry{sizeof(FormatEntry), nullptr, static_cast<std::uint32_t>(i), 1, 0};
        entryList_[i] = &entries_[i];
        hints_[i] = FileDialogHint{
            sizeof(FileDialogHint), 0, nullptr, nullptr, nullptr, pattern, pattern + 2};
        hintList_[i][0] = &hints_[i];
        hintTables_[i] = FileDialogHintTable{sizeof(FileDialogHintTable), 1, hintList_[i]};
    }
    table_ = FormatTable{sizeof(FormatTable), static_cast<std::uint16_t>(count_), entryList_};
}

void FormatPluginExports::publishTexts() {
    const PluginStartup &startup = *d_.startup;
    for (std::size_t i = 0; i < count_; ++i) {
        entries_[i].name = startup.text(d_.formats[i].nameText);
        hints_[i].title = startup.text(d_.titleText);
        hints_[i].filter_description = startup.text(d_.formats[i].filterText);
    }
}

std::uint32_t FormatPluginExports::initialize() {
    return guardedCall([&] {
        const std::uint32_t rc = d_.startup->initialize();
        publishTexts();
        return rc;
    });
}

std::uint32_t FormatPluginExports::terminate() {
    return guardedCall([&] {
        d_.startup->terminate();
        if (d_.startup->useCount() <= 0)
            publishTexts(); // the texts are gone
        return UX_OK;
    });
}

std::uint32_t FormatPluginExports::initExportFormat(void *parent, ReportLayout *layout,
                                                    std::uint32_t index, const void *options,
                                                    UXFInstance **instance,
                                                    const FileDialogHintTable **hints) {
    if (instance)
        *instance = nullptr;
    if (!instance || !hints)
        return UX_EINVALID;
    if (d_.layoutRequired && !layout)
        return UX_EINVALID;
    return guardedCall([&]() -> std::uint32_t {
        Formatter *formatter = d_.create(parent, layout, index);
        if (!formatter)
            return UX_ENOMEM;
        std::uint32_t rc = UX_OK;
        try {
            rc = formatter->applyOptions(options);
        } catch (...) {
            delete formatter;
            throw;
        }
        if (rc) {
            delete formatter;
            return rc;
        }
        std::uint32_t hint = d_.hintFor(index);
        if (hint >= count_)
            hint = static_cast<std::uint32_t>(count_ - 1);
        *instance = instanceOf(formatter);
        *hints = &hintTables_[hint];
        return UX_OK;
    });
}

std::uint32_t FormatPluginExports::termExportFormat(UXFInstance *instance) {
    delete formatterOf(instance);
    return UX_OK;
}

std::uint32_t FormatPluginExports::encodeOptions(UXFInstance *instance, const void **blob,
                                                 std::uint16_t *size) {
    if (!instance)
        return UX_EINVALID;
    return guardedCall([&] { return formatterOf(instance)->encodeOptions(blob, size); });
}

std::uint32_t FormatPluginExports::decodeOptions(UXFInstance *instance, void **blob) {
    if (!instance)
        return UX_EINVALID;
    return guardedCall([&] { return formatterOf(instance)->decodeOptions(blob); });
}

std::uint32_t FormatPluginExports::freeOptions(std::uint32_t index, void *blob) {
    if (blob && d_.freeOptions)
        d_.freeOptions(index, blob);
    return UX_OK;
}

std::uint32_t FormatPluginExports::startJob(UXFInstance *instance, JobContext *context) {
    if (!instance)
        return UX_EINVALID;
    return guardedCall([&] { return formatterOf(instance)->startJob(context); });
}

std::uint32_t FormatPluginExports::processRecord(UXFInstance *instance, std::uint16_t endingLevels,
                                                 std::uint32_t lastRecord) {
    if (!instance)
        return UX_EINVALID;
    return guardedCall(
        [&] { return formatterOf(instance)->processRecord(endingLevels, lastRecord); });
}

std::uint32_t FormatPluginExports::endJob(UXFInstance *instance) {
    if (!instance)
        return UX_EINVALID;
    return guardedCall([&] { return formatterOf(instance)->endJob(); });
}

std::uint16_t FormatPluginExports::pageCount(UXFInstance *instance) {
    return instance ? formatterOf(instance)->pageCount() : d_.nullInstancePages;
}

const char *FormatPluginExports::errorText(UXFInstance *instance) {
    if (instance)
        return formatterOf(instance)->errorText();
    return d_.nullInstanceErrorText ? d_.nullInstanceErrorText() : nullptr;
}

} // namespace ux
