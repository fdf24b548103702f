<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ko_KR">
<context>
    <name>Localizable_R640</name>
    <message>
        <source>메모리카드 오류</source>
        <translation>Memory Card Error</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Please check the memory card.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>English</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>French</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>KM/H</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>All</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Please select the memory card.</translation>
    </message>
    <message>
        <source>오스트레보 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>Unable to read the dashcam information.
Select the model name to apply its default settings.</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>This video is encoded in an unsupported format.</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Dashcam Settings</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Reset to Defaults</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>No</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>Unable to format the memory card.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Format Memory Card</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#13;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Caution: Formatting erases all data on the memory card.
Select “Yes” to format or “No” to cancel.</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#13;
잠시만 기다려 주십시오.</source>
        <translation>Formatting…
Please wait.</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>The memory card has been formatted.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#13;
&#13;
CAR VIEWR에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#13;
CAR VIEWER를 종료하고 다시 포맷하십시오.&#13;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#13;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>Unable to format the memory card.

If Drovik Viewer is playing a video or collecting GPS data,
quit Drovik Viewer and format again.
Quit the disk utility or any other program that is using the memory card,
make sure that no window is showing the contents of the memory card, then format again.</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#13;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Caution: The current touch screen calibration will be reset.
Select “Yes” to reset or “No” to cancel.</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>The touch screen calibration has been reset.</translation>
    </message>
    <message>
        <source>사용함</source>
        <translation>On</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>어둡게</source>
        <translation>Darker</translation>
    </message>
    <message>
        <source>밝게</source>
        <translation>Brighter</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>kph</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>YYYY-MM-DD</translation>
    </message>
    <message>
        <source>MMM-dd-yyyy</source>
        <translation>MMM-DD-YYYY</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>After 2 min</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>After 5 min</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>After 10 min</translation>
    </message>
    <message>
        <source>V820 : 30초 후</source>
        <translation>After 30 sec</translation>
    </message>
    <message>
        <source>V820 : 10분 후</source>
        <translation>After 10 min</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>Fixed 15 fps</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>Fixed 30 fps</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>High</translation>
    </message>
    <message>
        <source>세단</source>
        <translation>Sedan</translation>
    </message>
    <message>
        <source>SUV</source>
        <translation>SUV</translation>
    </message>
    <message>
        <source>트럭 (버스)</source>
        <translation>Truck (Bus)</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Parking Motion</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>모드 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>모드 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>모드 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Type A (Recommended)</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Type B</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Type C</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Parking Mode</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>If you select Parking Motion,
time-lapse videos will be deleted and parking motion videos will be saved.
Do you want to apply this setting?</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>If you select Time-lapse,
parking motion videos will be deleted, and parking mode and parking impact videos will be saved as time-lapse.
Do you want to apply this setting?</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>If Parking Mode is turned off,
nothing will be recorded while the vehicle is parked with the engine off.
Do you want to turn off Parking Mode?</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>General</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Continuous Mode</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>Extra Features</translation>
    </message>
    <message>
        <source>밝기</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>음성녹음</source>
        <translation>Sound Recording</translation>
    </message>
    <message>
        <source>음성 멘트</source>
        <translation>Voice Guidance</translation>
    </message>
    <message>
        <source>볼륨</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>시간설정</source>
        <translation>Time Setting</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Use Current Time</translation>
    </message>
    <message>
        <source>표준시간대</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Daylight Saving Time</translation>
    </message>
    <message>
        <source>설정</source>
        <translation>On</translation>
    </message>
    <message>
        <source>해제</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>비디오 날짜 형식</source>
        <translation>Video Date Format</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>e.g.</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>안전운행 구간 음성 안내</source>
        <translation>Safety Zone Voice Alerts</translation>
    </message>
    <message>
        <source>LCD 화면 밝기</source>
        <translation>LCD Brightness</translation>
    </message>
    <message>
        <source>어두움</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>밝음</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>LCD 자동 꺼짐</source>
        <translation>LCD Auto Off</translation>
    </message>
    <message>
        <source>영상 속도 정보 표출</source>
        <translation>Speed Stamp on Video</translation>
    </message>
    <message>
        <source>영상 해상도</source>
        <translation>Video Resolution</translation>
    </message>
    <message>
        <source>프레임 수</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Video Quality</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Impact Sensitivity</translation>
    </message>
    <message>
        <source>둔감</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>민감</source>
        <translation>High</translation>
    </message>
    <message>
        <source>V820 : 안전운행 구간 음성 안내</source>
        <translation>Safety Zone Voice Alerts</translation>
    </message>
    <message>
        <source>역광보정 기능(WDR)</source>
        <translation>Backlight Compensation (WDR)</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Vehicle Type</translation>
    </message>
    <message>
        <source>차선이탈 경보</source>
        <translation>Lane Departure Warning</translation>
    </message>
    <message>
        <source>차선이탈 민감도</source>
        <translation>Lane Departure Sensitivity</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>오른쪽</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>차선이탈 감지 속도</source>
        <translation>Lane Departure Detection Speed</translation>
    </message>
    <message>
        <source>전방 추돌 경보</source>
        <translation>Forward Collision Warning</translation>
    </message>
    <message>
        <source>전방 추돌 민감도</source>
        <translation>Forward Collision Sensitivity</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Front Vehicle Departure Alert</translation>
    </message>
    <message>
        <source>이동식 단속 구간 안내</source>
        <translation>Mobile Speed Camera Alerts</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Switches to parking recording when the engine is turned off)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(Turns the dashcam off when the engine is turned off)</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Super Night Vision</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Motion Detection</translation>
    </message>
    <message>
        <source>녹화 종료 타이머 설정</source>
        <translation>Recording Time Limit</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>녹화 종료 전압 설정</source>
        <translation>Recording Cut-off Voltage</translation>
    </message>
    <message>
        <source>차량전압 12V</source>
        <translation>12 V Vehicle</translation>
    </message>
    <message>
        <source>차량전압 24V</source>
        <translation>24 V Vehicle</translation>
    </message>
    <message>
        <source>녹화 영상 별 덮어쓰기</source>
        <translation>Overwrite by Recording Type</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Continuous Recording</translation>
    </message>
    <message>
        <source>상시 충격</source>
        <translation>Continuous Impact</translation>
    </message>
    <message>
        <source>주차 모션</source>
        <translation>Parking Motion</translation>
    </message>
    <message>
        <source>주차 충격</source>
        <translation>Parking Impact</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Manual Recording</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>Security LED</translation>
    </message>
    <message>
        <source>녹화모드에 따라 다르게</source>
        <translation>Varies by Recording Mode</translation>
    </message>
    <message>
        <source>회전</source>
        <translation>Rotating</translation>
    </message>
    <message>
        <source>Left-Right</source>
        <translation>Left-Right</translation>
    </message>
    <message>
        <source>Blinking</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Memory Partition</translation>
    </message>
    <message>
        <source>상시녹화</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>상시충격</source>
        <translation>Continuous Impact</translation>
    </message>
    <message>
        <source>주차충격</source>
        <translation>Parking Impact</translation>
    </message>
    <message>
        <source>수동녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>포멧하기</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Reset Touch Screen Calibration</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Hawaii</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alaska</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) Pacific Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) Mountain Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) Central Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) Eastern Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) Atlantic Time (Canada)</translation>
    </message>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) Greenwich Mean Time</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) Kuala Lumpur, Singapore</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) Adelaide</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) Canberra, Melbourne, Sydney</translation>
    </message>
    <message>
        <source>N260 : 사용 안 함</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>N260 : 사용 함</source>
        <translation>On</translation>
    </message>
    <message>
        <source>N260 : 메모리 파티션</source>
        <translation>Memory Partition</translation>
    </message>
    <message>
        <source>N260 : 상시녹화</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>N260 : 주차녹화</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>N260 : 이벤트녹화</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>N260 : 수동녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>N260 : 자동주차모드</source>
        <translation>Automatic Parking Mode</translation>
    </message>
    <message>
        <source>N260 : 녹화종료전압</source>
        <translation>Recording Cut-off Voltage</translation>
    </message>
    <message>
        <source>N260 : 날짜 / 시간</source>
        <translation>Date / Time</translation>
    </message>
    <message>
        <source>N260 : 표준 시간대</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>N260 : Daylight Saving Time</source>
        <translation>Daylight Saving Time</translation>
    </message>
    <message>
        <source>N260 : 음성녹음</source>
        <translation>Sound Recording</translation>
    </message>
    <message>
        <source>N260 : 음성안내</source>
        <translation>Voice Guidance</translation>
    </message>
    <message>
        <source>N260 : 작게</source>
        <translation>Quiet</translation>
    </message>
    <message>
        <source>N260 : 크게</source>
        <translation>Loud</translation>
    </message>
    <message>
        <source>N260 : 충격감도</source>
        <translation>Impact Sensitivity</translation>
    </message>
    <message>
        <source>N260 : 둔감</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>N260 : 민감</source>
        <translation>High</translation>
    </message>
    <message>
        <source>N260 : 모션인식감도</source>
        <translation>Motion Sensitivity</translation>
    </message>
    <message>
        <source>N260 : 펌웨어 버전</source>
        <translation>Firmware Version</translation>
    </message>
    <message>
        <source>N260 : Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>N260 : Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>스냅샷을 저장하지 못했습니다.</source>
        <translation>The snapshot could not be saved.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>인쇄하지 못했습니다.</source>
        <translation>The picture could not be printed.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>표시된 화면이 없습니다.</source>
        <translation>No picture is shown.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh braking</source>
        <translation>Harsh braking</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh acceleration</source>
        <translation>Harsh acceleration</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Sharp cornering</source>
        <translation>Sharp cornering</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Impact</source>
        <translation>Impact</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Previous G-force event (Page Up)</source>
        <translation>Previous G-force event (Page Up)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Next G-force event (Page Down)</source>
        <translation>Next G-force event (Page Down)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's start of the route</extracomment>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's end of the route</extracomment>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the playback speed button's tooltip</extracomment>
        <source>Playback speed (] faster, [ slower, Backspace normal)</source>
        <translation>Playback speed (] faster, [ slower, Backspace normal)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's title</extracomment>
        <source>Export Track</source>
        <translation>Export Track</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's title</extracomment>
        <source>Export Incident</source>
        <translation>Export Incident</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's tooltip</extracomment>
        <source>Export Track…</source>
        <translation>Export Track…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's tooltip</extracomment>
        <source>Export Incident…</source>
        <translation>Export Incident…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: an export that failed</extracomment>
        <source>The track could not be exported.</source>
        <translation>The track could not be exported.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export in progress</extracomment>
        <source>Exporting the incident…</source>
        <translation>Exporting the incident…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident was exported.</source>
        <translation>The incident was exported.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident could not be exported.</source>
        <translation>The incident could not be exported.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Playback</source>
        <translation>Playback</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play or Pause</source>
        <translation>Play or Pause</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Frame</source>
        <translation>Previous Frame</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Frame</source>
        <translation>Next Frame</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Clip</source>
        <translation>Previous Clip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Clip</source>
        <translation>Next Clip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Slower</source>
        <translation>Slower</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Faster</source>
        <translation>Faster</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Normal Speed</source>
        <translation>Normal Speed</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous G-Force Event</source>
        <translation>Previous G-Force Event</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next G-Force Event</source>
        <translation>Next G-Force Event</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Sound On or Off</source>
        <translation>Sound On or Off</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Actual Size (1:1)</source>
        <translation>Actual Size (1:1)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Pan the Zoomed Picture</source>
        <translation>Pan the Zoomed Picture</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Mirror the Pictures</source>
        <translation>Mirror the Pictures</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Swap Front and Rear</source>
        <translation>Swap Front and Rear</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Leave Full Screen</source>
        <translation>Leave Full Screen</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Clips and Evidence</source>
        <translation>Clips and Evidence</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose Folder…</source>
        <translation>Choose Folder…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose a Clip in the List</source>
        <translation>Choose a Clip in the List</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play the Chosen Clip</source>
        <translation>Play the Chosen Clip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Still…</source>
        <translation>Save a Still…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Copy of the Clip…</source>
        <translation>Save a Copy of the Clip…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Window</source>
        <translation>Window</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Camera Settings…</source>
        <translation>Camera Settings…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Quit %1</source>
        <translation>Quit %1</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>The camera's built-in settings, written to the card with OK</source>
        <translation>The camera's built-in settings, written to the card with OK</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Write these settings to the card</source>
        <translation>Write these settings to the card</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Close without writing anything</source>
        <translation>Close without writing anything</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Back to the List</source>
        <translation>Back to the List</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Erase the memory card, after asking</source>
        <translation>Erase the memory card, after asking</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Continue with this choice</source>
        <translation>Continue with this choice</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card went away</extracomment>
        <source>The memory card cannot be found.</source>
        <translation>The memory card cannot be found.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the model has no settings record</extracomment>
        <source>This camera model has no settings file to write.</source>
        <translation>This camera model has no settings file to write.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the settings file could not be read</extracomment>
        <source>The settings file on the card could not be read.</source>
        <translation>The settings file on the card could not be read.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card is write-protected or mounted read-only</extracomment>
        <source>The card is read-only.</source>
        <translation>The card is read-only.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: neither ffmpeg nor the player could read the file</extracomment>
        <source>This file is not a video that can be played.</source>
        <translation>This file is not a video that can be played.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the card was pulled or the file rewritten</extracomment>
        <source>The file went away or changed while it was read.</source>
        <translation>The file went away or changed while it was read.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the folder for converted clips cannot be made</extracomment>
        <source>The working folder cannot be written.</source>
        <translation>The working folder cannot be written.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>Playback Speed</source>
        <translation>Playback Speed</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Every Clip</source>
        <translation>List Every Clip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Only the Clips of This Kind</source>
        <translation>List Only the Clips of This Kind</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips</source>
        <translation>Trips</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips…</source>
        <translation>Trips…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Start – End</source>
        <translation>Start – End</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Top Speed</source>
        <translation>Top Speed</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>G-Force Events</source>
        <translation>G-Force Events</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Clips</source>
        <translation>Clips</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Parked</source>
        <translation>Parked</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Reading the clips' telemetry…</source>
        <translation>Reading the clips' telemetry…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Double-click a trip to play it.</source>
        <translation>Double-click a trip to play it.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the command that shows the clip list grouped by trip, with a header per trip</extracomment>
        <source>Show the List by Trip</source>
        <translation>Show the List by Trip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a trip header for clips whose names carry no date</extracomment>
        <source>No time</source>
        <translation>No time</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the trip's statistics</extracomment>
        <source>Trip</source>
        <translation>Trip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the playing clip's statistics</extracomment>
        <source>This Clip</source>
        <translation>This Clip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the distance driven</extracomment>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the time the car moved</extracomment>
        <source>Moving Time</source>
        <translation>Moving Time</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the mean speed while moving</extracomment>
        <source>Average Moving Speed</source>
        <translation>Average Moving Speed</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: tooltip of the trip gap setting</extracomment>
        <source>The longest pause between two clips of one trip</source>
        <translation>The longest pause between two clips of one trip</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: label of the trip gap setting</extracomment>
        <source>Gap between trips:</source>
        <translation>Gap between trips:</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: button that saves the chosen trip's track</extracomment>
        <source>Export Trip…</source>
        <translation>Export Trip…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: alert when a trip's track could not be written</extracomment>
        <source>The trip's track could not be saved.</source>
        <translation>The trip's track could not be saved.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's timeline and speed chart, on hover: which clip of the trip and which time in it lie under the pointer (%1 the clip's number, %2 the trip's clip count, %3 the time in the clip)</extracomment>
        <source>Clip %1 of %2 · %3</source>
        <translation>Clip %1 of %2 · %3</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's speed chart when none of its clips recorded a GPS speed</extracomment>
        <source>No speed recorded</source>
        <translation>No speed recorded</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the application menu item that forgets the recent folders which are no longer there</extracomment>
        <source>Clear Missing Folders</source>
        <translation>Clear Missing Folders</translation>
    </message>
</context>
</TS>
