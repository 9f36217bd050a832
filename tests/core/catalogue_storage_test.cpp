// The catalogue's storage against plain strings and vectors. SharedString:
// copies share a block until one of them changes, and no change through one
// handle reaches another, wherever its text comes from. The arrays: resizing
// keeps the elements below the new size and starts the others empty, and
// strings taken out of an array outlive it. The sanitizers watch the blocks.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/collections.h"
#include "catalogue/shared_string.h"

namespace {

TEST(SharedString, EveryHandleReadsWhatAPlainStringGivenTheSameChangesHolds) {
    const char* texts[] = {"", "C:", "\\GRY", "\\PUZZLE1.BMP", "a directory name longer than the rest\\"};
    std::mt19937 random(7);
    std::vector<SharedString> handles(6);  // all on the shared empty block
    std::vector<std::string> model(6);
    for (int step = 0; step < 20000; ++step) {
        const size_t i = random() % 6, j = random() % 6;  // i == j: from or onto itself
        const char* text = texts[random() % 5];
        const std::string other = model[j];
        switch (random() % 8) {
        case 0: handles[i] = handles[j], model[i] = other; break;
        case 1: handles[i].Assign(text), model[i] = text; break;
        case 2: handles[i].Append(text), model[i] += text; break;
        case 3: handles[i].Assign(handles[j].Chars()), model[i] = other; break;
        case 4: handles[i].Append(handles[j].Chars()), model[i] += other; break;
        case 5: handles[i] = SharedString::Concat(handles[j], text), model[i] = other + text; break;
        case 6:
            if (!model[i].empty())
                handles[i].WritableChars()[0] = 'X', model[i][0] = 'X';
            break;
        default: handles[i].Release(), model[i].clear();  // a null handle, as a new array element
        }
        for (size_t k = 0; k < handles.size(); ++k) {
            ASSERT_EQ(handles[k].Chars(), model[k]) << "step " << step << " handle " << k;
            ASSERT_EQ(handles[k].Length(), static_cast<int32_t>(model[k].size()));
        }
    }
    EXPECT_STREQ(SharedString().Chars(), "") << "the shared empty block was written through";
}

TEST(GrowableArrays, ResizingKeepsTheElementsBelowTheNewSizeAndTheirCopiesOutliveTheArray) {
    std::mt19937 random(11);
    auto* strings = new StringArray;
    FlagArray flags;
    std::vector<std::string> stringModel;
    std::vector<int32_t> flagModel;
    std::vector<std::pair<SharedString, std::string>> taken;
    for (int32_t step = 0; step < 3000; ++step) {
        if (random() % 4 != 0) {
            const std::string path = "C:\\GRY\\PUZZLE" + std::to_string(step) + ".BMP";
            strings->Add(path.c_str());
            stringModel.push_back(path);
            flags.SetSize(flags.Size() + 1);
            flags[flags.Size() - 1] = step;
            flagModel.push_back(step);
        } else {
            const auto size = static_cast<int32_t>(random() % (stringModel.size() + 50));
            const int32_t growBy = random() % 3 == 0 ? static_cast<int32_t>(random() % 20) : -1;
            strings->SetSize(size, growBy);
            flags.SetSize(size, growBy);
            stringModel.resize(size);
            flagModel.resize(size);
        }
        if (strings->Size() > 0 && random() % 50 == 0) {
            const auto index = static_cast<int32_t>(random() % strings->Size());
            taken.emplace_back((*strings)[index], stringModel[index]);
        }
        ASSERT_EQ(strings->Size(), static_cast<int32_t>(stringModel.size()));
        ASSERT_EQ(flags.Size(), static_cast<int32_t>(flagModel.size()));
        for (int32_t k = 0; k < strings->Size(); ++k) {
            ASSERT_EQ((*strings)[k].Chars(), stringModel[k]) << "step " << step << " element " << k;
            ASSERT_EQ(flags[k], flagModel[k]) << "step " << step << " element " << k;
        }
    }
    delete static_cast<CollectionBase*>(strings);
    for (const auto& [copy, text] : taken)
        EXPECT_EQ(copy.Chars(), text);
}

}  // namespace
