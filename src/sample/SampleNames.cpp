#include "sample/SampleNames.h"

#include <stdexcept>
#include <vector>

#include "sample/SampleRandom.h"
#include "text/Utf8.h"

namespace busquery {
namespace {

using Words = std::vector<std::string>;

const Words kFirst = {"东", "西", "南", "北", "中", "新", "长", "青", "红", "金", "银", "龙", "凤",
                      "华", "兴", "安", "宁", "康", "乐", "福", "寿", "永", "平", "和", "胜", "利",
                      "光", "明", "文", "武", "江", "河", "湖", "海", "山", "松", "柏", "桃", "梅",
                      "兰", "竹", "云", "天", "星", "晨", "阳", "春", "秋", "清", "泉", "石", "玉",
                      "宝", "德", "仁", "鹿", "马", "杨", "柳", "黄", "白", "紫", "翠", "丰", "泰",
                      "顺", "盛", "荣", "昌", "隆", "嘉", "瑞", "祥", "沙", "洪"};

const Words kSecond = {"山", "湖", "桥", "湾", "岗", "港", "塘", "坪", "坝", "门", "洲", "岭",
                       "溪", "泉", "城", "坊", "田", "庄", "亭", "台", "苑", "园", "林", "岛",
                       "峰", "岩", "滩", "渡", "堡", "营", "寨", "集", "铺", "坡", "浦", "埠",
                       "阳", "安", "平", "宁", "华", "兴", "丰", "口", "河", "江"};

const Words kPlaces = {"公园", "广场", "新村", "小区", "花园", "市场", "大厦", "工业区",
                       "商城", "山庄", "码头", "村",   "桥",   "街口", "立交", "东",
                       "西",   "南",   "北",   "一村", "二村", "路口"};

const Words kInstitutions = {"中学", "小学", "医院", "电影院", "体育馆", "图书馆", "邮局",
                             "宾馆", "酒店", "商场", "银行",   "剧院",   "书店",   "幼儿园"};

const Words kOrdinalInstitutions = {"中学", "小学", "医院", "人民医院", "中医院"};

const Words kFamous = {"市政府",   "火车站",     "汽车总站", "体育中心", "会展中心",
                       "人民广场", "工人文化宫", "少年宫",   "博物馆",   "动物园",
                       "植物园",   "儿童公园",   "市图书馆", "火车北站", "客运中心",
                       "烈士陵园", "中心医院",   "电视塔",   "大剧院",   "科技馆",
                       "南湖公园", "西山公园",   "人民医院", "东桥",     "五一广场"};

const Words kLandmarks = {"中学", "小学",   "医院", "电影院", "体育馆", "图书馆",  "邮局",
                          "宾馆", "大酒店", "商场", "银行",   "书店",   "幼儿园",  "派出所",
                          "公园", "大厦",   "超市", "菜市场", "加油站", "新华书店"};

const Words kHighway = {"村", "路口", "收费站", "加油站", "工业园", "农场", "水库", "桥", "岔路口"};

const Words kVillage = {"村", "村口", "村委会", "小学", "水库", "林场", "茶场", "渡口", "大桥"};

const Words kDirections = {"东", "西", "南", "北"};

const Words kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

std::string ordinal(int n)  // 1 to 19
{
    if (n <= 10) return "第" + kNumerals[n - 1];
    return "第十" + kNumerals[n - 11];
}

// The name without its first character, then without its first two, and so on.
std::vector<std::string> properEndings(const std::string& name) {
    std::vector<std::string> endings;
    for (std::size_t at = 0; at < name.size();) {
        at += utf8At(name, at).length;
        if (at < name.size()) endings.push_back(name.substr(at));
    }
    return endings;
}

}  // namespace

SampleNames::SampleNames(SampleRandom& random) : random_(random), famous_(kFamous) {
    random_.shuffle(famous_);
}

bool SampleNames::claim(const std::string& name) {
    if (taken_.contains(name) || takenEndings_.contains(name)) return false;
    auto endings = properEndings(name);
    for (const auto& ending : endings) {
        if (taken_.contains(ending)) return false;
    }
    taken_.insert(name);
    takenEndings_.insert(endings.begin(), endings.end());
    return true;
}

bool SampleNames::share(const std::string& name) {
    if (shared_.contains(name)) return true;
    if (!claim(name)) return false;
    shared_.insert(name);
    return true;
}

std::string SampleNames::claimFirst(const std::function<std::string()>& candidate) {
    // The tables give far more names than the largest city needs; running out means a table
    // was broken, not that the city is big.
    for (int attempt = 0; attempt < 100000; ++attempt) {
        std::string name = candidate();
        if (claim(name)) return name;
    }
    throw std::logic_error("sample city: no free station name left");
}

std::string SampleNames::stem() {
    for (;;) {
        const std::string& first = random_.pick(kFirst);
        const std::string& second = random_.pick(kSecond);
        if (first != second) return first + second;
    }
}

std::string SampleNames::freshStem() {
    for (;;) {
        std::string candidate = stem();
        if (stems_.insert(candidate).second) return candidate;
    }
}

std::string SampleNames::roadName(const std::string& stem) {
    static const Words kKinds = {"路", "路", "路", "大道", "街", "大街"};
    return stem + random_.pick(kKinds);
}

std::string SampleNames::halfRoadName(const std::string& stem, bool northSouth, bool firstHalf) {
    if (northSouth) return stem + (firstHalf ? "北路" : "南路");
    return stem + (firstHalf ? "西路" : "东路");
}

std::string SampleNames::placeName() {
    int kind = random_.between(0, 99);
    if (kind < 15) return stem();
    if (kind < 65) return stem() + random_.pick(kPlaces);
    if (kind < 88) return stem() + random_.pick(kInstitutions);
    std::string prefix = random_.percent(30) ? "市" : "";
    return prefix + ordinal(random_.between(1, 19)) + random_.pick(kOrdinalInstitutions);
}

std::string SampleNames::streetStation(const std::string& road) {
    if (famousUsed_ < famous_.size() && random_.percent(4)) {
        const std::string& famous = famous_[famousUsed_++];
        if (claim(famous)) return famous;
    }
    if (!road.empty() && random_.percent(8)) {
        std::string name = road + random_.pick(kDirections);
        if (claim(name)) return name;
    }
    return claimFirst([this] { return placeName(); });
}

std::string SampleNames::crossingStation(const std::string& road, const std::string& crossRoad) {
    if (random_.percent(35) && claim(crossRoad + "口")) return crossRoad + "口";
    if (claim(road + crossRoad + "口")) return road + crossRoad + "口";
    if (claim(crossRoad + road + "口")) return crossRoad + road + "口";
    return streetStation(road);
}

std::string SampleNames::highwayStation() {
    return claimFirst([this] { return stem() + random_.pick(kHighway); });
}

std::string SampleNames::villageStation(const std::string& village) {
    const std::string& place = random_.pick(kVillage);
    if (claim(village + place)) return village + place;
    return claimFirst([this] { return stem() + "村"; });
}

std::string SampleNames::landmark() {
    return stem() + random_.pick(kLandmarks);
}

std::string SampleNames::landmarks(int chance) {
    if (!random_.percent(chance)) return {};
    std::string text = landmark();
    if (random_.percent(40)) text += "、" + landmark();
    return text;
}

}  // namespace busquery
