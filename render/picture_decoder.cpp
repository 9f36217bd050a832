// The imaging component (WIC, through COM) turning a PNG, JPEG or GIF file
// into 32-bit pixels.
#include "render/picture_decoder.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstdlib>

#include "render/picture_header.h"

namespace {

constexpr int32_t WIDE_PATH_SIZE = 520;

void ReleaseObject(IUnknown* object) {
    if (object)
        object->Release();
}

// Straight alpha laid over white: c * a + 255 * (255 - a), over 255.
void LayOverWhite(uint8_t* bits, size_t pixels) {
    for (size_t i = 0; i < pixels; ++i, bits += 4) {
        const uint32_t alpha = bits[3];
        const uint32_t white = 255 * (255 - alpha);
        for (int channel = 0; channel < 3; ++channel)
            bits[channel] = static_cast<uint8_t>((bits[channel] * alpha + white + 127) / 255);
        bits[3] = 0;
    }
}

bool FrameFits(UINT width, UINT height) {
    return width > 0 && height > 0 &&
           static_cast<uint64_t>(width) * height <= static_cast<uint64_t>(MAX_PICTURE_PIXELS);
}

// The frame converted to 32-bit pixels with straight alpha, into a new block.
int32_t CopyConverted(IWICFormatConverter* converter, UINT width, UINT height, DecodedPicture& decoded) {
    const size_t pixels = static_cast<size_t>(width) * height;
    uint8_t* bits = static_cast<uint8_t*>(std::calloc(pixels, 4));
    if (!bits || FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels * 4), bits))) {
        std::free(bits);
        return 0;
    }
    LayOverWhite(bits, pixels);
    decoded = {bits, static_cast<int32_t>(width), static_cast<int32_t>(height)};
    return 1;
}

int32_t DecodeFirstFrame(IWICImagingFactory* factory, const wchar_t* path, DecodedPicture& decoded) {
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    UINT width = 0;
    UINT height = 0;
    const bool converted = SUCCEEDED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ,
                                                                        WICDecodeMetadataCacheOnDemand, &decoder)) &&
                           SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
                           FrameFits(width, height) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
                           SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                                           nullptr, 0.0, WICBitmapPaletteTypeCustom));
    const int32_t result = converted ? CopyConverted(converter, width, height, decoded) : 0;
    ReleaseObject(converter);
    ReleaseObject(frame);
    ReleaseObject(decoder);
    return result;
}

}  // namespace

int32_t DecodeWithImagingComponent(const char* path, DecodedPicture& decoded) {
    wchar_t widePath[WIDE_PATH_SIZE] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, WIDE_PATH_SIZE))
        return 0;
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int32_t result = 0;
    IWICImagingFactory* factory = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))))
        result = DecodeFirstFrame(factory, widePath, decoded);
    ReleaseObject(factory);
    if (SUCCEEDED(initialised))
        CoUninitialize();
    return result;
}
