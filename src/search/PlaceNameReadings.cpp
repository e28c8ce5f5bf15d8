#include "search/PlaceNameReadings.h"

namespace busquery {
namespace {

// Characters that place names read otherwise than ICU's Han-Latin, which gives every character
// the one reading of everyday words. A character with alternatives is found by each; a word
// fixes the reading its characters have in that word. Readings are plain ASCII, without tones;
// write ü as "u|v". To add a reading, add a line here; a test checks the table's form.
constexpr PlaceNameReading kPlaceNameReadings[] = {
    // Characters whose place-name reading is not ICU's, or not its only one.
    {"乐", "le|yue"},       // 乐山 leshan, 乐清 yueqing
    {"都", "du"},           // 成都, 首都, 都江堰
    {"长", "chang|zhang"},  // 长沙, 长春, 长江; 长者
    {"重", "zhong|chong"},  // 重阳; 重庆 below
    {"朝", "chao|zhao"},    // 朝天门; 朝晖
    {"行", "xing|hang"},    // 步行街; 商行
    {"厦", "sha|xia"},      // 大厦; 厦门
    {"藏", "cang|zang"},    // 西藏
    {"堡", "bao|pu|bu"},    // 城堡; 十里堡 shilipu; 吴堡 wubu
    {"埔", "pu|bu"},        // 黄埔 huangpu; 大埔 dabu
    {"柏", "bai|bo"},       // 柏树; 柏林 bolin
    {"泊", "bo|po"},        // 停泊; 梁山泊 liangshanpo
    {"涌", "yong|chong"},   // 东涌 dongchong
    {"弄", "nong|long"},    // 弄堂 longtang
    {"单", "dan|shan"},     // 单县 shanxian
    {"陂", "bei|pi|po"},    // 黄陂 huangpi
    {"莘", "shen|xin"},     // 莘庄 xinzhuang
    {"蔚", "wei|yu"},       // 蔚县 yuxian
    {"番", "fan|pan"},      // 番禺 panyu
    // Words whose characters read otherwise there than alone.
    {"重庆", "chong qing"},
    {"长安", "chang an"},
    {"厦门", "xia men"},
    {"大厦", "da sha"},
    {"银行", "yin hang"},
    {"朝阳", "chao yang"},
    {"六安", "lu an"},
    {"六合", "lu he"},
    {"蚌埠", "beng bu"},
    {"沈阳", "shen yang"},
    {"番禺", "pan yu"},
    {"荥阳", "xing yang"},
    {"铅山", "yan shan"},
    {"乐亭", "lao ting"},
    {"洪洞", "hong tong"},
    {"会稽", "kuai ji"},
    {"枞阳", "zong yang"},
    {"歙县", "she xian"},
    {"涡阳", "guo yang"},
    {"东阿", "dong e"},
};

}  // namespace

std::span<const PlaceNameReading> placeNameReadings() {
    return kPlaceNameReadings;
}

}  // namespace busquery
