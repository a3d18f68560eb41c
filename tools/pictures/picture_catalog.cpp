#include "tools/pictures/picture_catalog.h"

#include "tools/pictures/panel_signs.h"
#include "tools/pictures/sign_painting.h"

std::vector<PictureSpec> questionPictures() {
    using namespace pictures;
    std::vector<PictureSpec> all;
    for (auto group : {prohibitionPictures,
                       restrictionPictures,
                       warningPictures,
                       mandatoryPictures,
                       guidePictures,
                       roadMarkingPictures,
                       junctionMarkingPictures,
                       warningLampPictures,
                       roadScenePictures,
                       driverAidLampPictures,
                       bodyAndEngineLampPictures,
                       newEnergyLampPictures,
                       dashboardSwitchPictures,
                       stalkAndKnobPictures,
                       workZonePictures,
                       touristPictures,
                       auxiliaryPictures,
                       noticePictures,
                       hazardWarningPictures,
                       trafficWarningPictures,
                       roadsideWarningPictures,
                       moreProhibitionPictures,
                       indicationPictures,
                       roadGuidePictures,
                       policeGesturePictures,
                       signalLightPictures,
                       laneMarkingPictures,
                       controlMarkingPictures,
                       hazardTownPictures,
                       hazardRoadPictures}) {
        std::vector<PictureSpec> pictures = group();
        all.insert(all.end(), pictures.begin(), pictures.end());
    }
    return all;
}
